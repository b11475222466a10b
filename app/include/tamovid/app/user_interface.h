#pragma once

#include <QMessageBox>
#include <QString>
#include <QUrl>

class QWidget;

namespace tamovid {

/// Everything the window asks of the desktop: message boxes, the about box, the
/// browser and the file dialogs. Tests install a recording fake so nothing ever blocks.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    /// A modal message with one OK button.
    virtual void message(const QString& text, QMessageBox::Icon icon) = 0;
    /// A modal Yes/No question with the information icon; true for Yes.
    virtual bool question(const QString& text) = 0;
    /// Shows the about box modally and returns when it is closed.
    virtual void showAbout(QWidget* parent) = 0;
    /// Opens a web address in the default browser; false when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
    /// Asks where to save a chart, offering initialName; empty when cancelled.
    virtual QString getSaveFileName(QWidget* parent, const QString& initialName) = 0;
    /// Asks which chart file to open; empty when cancelled.
    virtual QString getOpenFileName(QWidget* parent) = 0;
    /// Asks where to save a chart picture (SVG or PNG), offering initialName; empty when cancelled.
    virtual QString getSaveImageName(QWidget* parent, const QString& initialName) = 0;
};

/// The real desktop: QMessageBox with the caption "Tamovid", QDesktopServices,
/// QFileDialog.
class DesktopUserInterface : public UserInterface {
public:
    void message(const QString& text, QMessageBox::Icon icon) override;
    bool question(const QString& text) override;
    void showAbout(QWidget* parent) override;
    bool openUrl(const QUrl& url) override;
    QString getSaveFileName(QWidget* parent, const QString& initialName) override;
    QString getOpenFileName(QWidget* parent) override;
    QString getSaveImageName(QWidget* parent, const QString& initialName) override;
};

}  // namespace tamovid
