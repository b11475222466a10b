#pragma once

#include <QDialog>
#include <QWidget>

#include "tamovid/timewindow/time_window.h"

class QLabel;
class QPushButton;
class QTextBrowser;

namespace tamovid {

struct FullReading;

/// Bars over the 24 hours around the birth, one row per body: for how long its sign, its
/// house and its nakshatra pada stay as they are at birth, the birth marked in the middle.
class TimelineView : public QWidget {
    Q_OBJECT
public:
    explicit TimelineView(QWidget* parent = nullptr);
    void SetWindow(const timewindow::TimeWindow& window);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    timewindow::TimeWindow window_;
};

/// The birth-time window of the shown chart in a small window of its own: the nearest
/// birth time that moves a point to another house, the timeline and a table of the clock
/// times, which can be selected and copied. Escape or Close closes it.
class TimeWindowView : public QDialog {
    Q_OBJECT
public:
    explicit TimeWindowView(QWidget* parent = nullptr);

    /// Shows the birth-time window of this reading, which must hold it.
    void ShowReading(const FullReading& full);

    const timewindow::TimeWindow& Window() const { return window_; }
    /// The window as plain text, tab-separated, as Copy puts it on the clipboard.
    QString PlainText() const;

public slots:
    void CopyText();

private:
    timewindow::TimeWindow window_;
    QString who_;
    QLabel* lblShift_ = nullptr;
    QLabel* lblWho_ = nullptr;
    TimelineView* timeline_ = nullptr;
    QTextBrowser* table_ = nullptr;
    QPushButton* cmdCopy_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

}  // namespace tamovid
