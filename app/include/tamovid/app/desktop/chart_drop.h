#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace tamovid {

/// Lets a window take a chart file dropped anywhere on it, its text fields included.
/// A drag is taken when it carries exactly one local file; what that file holds is for
/// the handler to judge, as it judges a file chosen in the Open dialog.
class ChartDrop : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QString& fileName)>;

    /// Watches the window and every child that takes drops of its own. The handler runs
    /// after the drop has finished, so it may show modal messages.
    ChartDrop(QWidget* window, Handler open);

    /// The one local file the data names, or empty when it names none or several.
    static QString DroppedFile(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler open_;
};

}  // namespace tamovid
