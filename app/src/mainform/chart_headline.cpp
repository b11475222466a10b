#include "tamovid/app/mainform/chart_headline.h"

#include "tamovid/app/mainform/program_texts.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/chart_naming.h"

namespace tamovid {

ChartHeadline::ChartHeadline(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lblHeadline"));
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ChartHeadline::SetReading(const Reading& reading) {
    full_ = Text(ChartHeadlineText(reading.record));
    setAccessibleName(full_);
    Elide();
}

void ChartHeadline::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void ChartHeadline::Elide() {
    const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == full_ ? QString() : full_);
}

}  // namespace tamovid
