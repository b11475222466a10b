#pragma once

#include <QLabel>

namespace tamovid {

struct Reading;

/// One line on the result panel that says whose chart is shown: name, date, clock time and
/// place. A line too long for its width ends in an ellipsis and shows whole as a tool tip.
class ChartHeadline : public QLabel {
    Q_OBJECT
public:
    explicit ChartHeadline(QWidget* parent = nullptr);

    void SetReading(const Reading& reading);
    /// The whole line, however much of it fits.
    const QString& FullText() const { return full_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Elide();

    QString full_;
};

}  // namespace tamovid
