#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

class QWidget;

namespace tamovid {

class UserInterface;

/// Opens web addresses in the browser and, when nothing could open one, says so with the
/// address to copy: once per address for as long as the window it belongs to lives, so a
/// link clicked again stays quiet instead of nagging.
class WebLinkOpener : public QObject {
    Q_OBJECT
public:
    WebLinkOpener(UserInterface& ui, QObject* parent = nullptr);

    /// The opener of the window `widget` lies in, made on first use; an about box shares
    /// its main window's.
    static WebLinkOpener& For(QWidget* widget, UserInterface& ui);

    /// True when the browser took the address.
    bool Open(const QUrl& url);

private:
    UserInterface& ui_;
    QSet<QString> told_;
};

/// "Tamovid could not open a web browser for this page. To visit it, copy its address into
/// a browser: <address>"
QString BrowserFailedText(const QUrl& url);

}  // namespace tamovid
