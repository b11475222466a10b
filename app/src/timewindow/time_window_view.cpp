#include "tamovid/app/timewindow/time_window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <array>
#include <optional>
#include <string>

#include "tamovid/app/mainform/look.h"
#include "tamovid/app/mainform/program_texts.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/fullreading/full_reading.h"
#include "tamovid/fullreading/reading_texts.h"
#include "tamovid/birthentry/chart_naming.h"
#include "tamovid/grahas/nakshatra.h"
#include "tamovid/positions/tables.h"
#include "tamovid/timewindow/window_text.h"

namespace tamovid {
namespace {

using timewindow::BodyWindow;
using timewindow::Bound;
using timewindow::Span;

constexpr int kNameColumn = 96;  // pixels left of the timeline for the body names ("Yamaghantaka")
constexpr int kAxisHeight = 30;  // pixels above the rows for the hour labels
constexpr int kLegendHeight = 24;
constexpr int kRowHeight = 17;
constexpr int kBarHeight = 4;
constexpr int kRightMargin = 24;
constexpr int kMinutesShown = 2 * timewindow::kSearchMinutes;
constexpr int kTickHours = 3;

struct Lane {
    const char* name;
    QColor colour;
    Span BodyWindow::*span;
};
// One bar per value, top to bottom, in the order the table lists them.
const std::array<Lane, 3> kLanes = {{{"sign", kAmber, &BodyWindow::sign},
                                     {"house", QColor(0, 230, 230), &BodyWindow::house},
                                     {"pada", QColor(255, 140, 200), &BodyWindow::pada}}};

QString SpanQText(const Span& span, const timewindow::LocalClock& birth) {
    return Text(SpanText(span, birth));
}

// The table's narrower form: an end beyond the 12 hours searched is an ellipsis.
QString ShortSpanText(const Span& span, const timewindow::LocalClock& birth) {
    if (!span.from && !span.to) return Text(kUnchangedSpanText);
    auto end = [&birth](const std::optional<Bound>& bound) {
        return bound ? Text(timewindow::ClockText(bound->clock, birth)) : QStringLiteral("\u2026");
    };
    return end(span.from) + QStringLiteral(" \u2013 ") + end(span.to);
}

QString SignText(const BodyWindow& body) {
    return Text(strSignAbbr[static_cast<std::size_t>(body.atBirth.sign)]);
}

QString PadaText(const BodyWindow& body) {
    return Text(kNakshatraNames[static_cast<std::size_t>(body.atBirth.nakshatra)]) + u' ' +
           QString::number(body.atBirth.pada);
}

QString OffsetLabel(int hours) {
    if (hours == 0) return {};
    return (hours < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
           QString::number(std::abs(hours)) + QStringLiteral(" h");
}

}  // namespace

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("timeline"));
    setMinimumSize(480, kAxisHeight + kLegendHeight + 6 * kRowHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TimelineView::SetWindow(const timewindow::TimeWindow& window) {
    window_ = window;
    setFixedHeight(sizeHint().height());
    update();
}

QSize TimelineView::sizeHint() const {
    const int rows = std::max<int>(6, static_cast<int>(window_.bodies.size()));
    return {680, kAxisHeight + rows * kRowHeight + kLegendHeight + 4};
}

void TimelineView::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    p.setFont(UiFont(8.25));
    const double left = kNameColumn;
    const double width = std::max(1, this->width() - kNameColumn - kRightMargin);
    auto x = [&](int shift) {
        return left + (shift + timewindow::kSearchMinutes) * width / kMinutesShown;
    };
    const int rowsBottom = kAxisHeight + static_cast<int>(window_.bodies.size()) * kRowHeight;

    // Hour lines every few hours, the birth in the middle.
    for (int hours = -12; hours <= 12; hours += kTickHours) {
        const double at = x(hours * 60);
        p.setPen(QColor(70, 110, 122));
        p.drawLine(QPointF(at, kAxisHeight - 4), QPointF(at, rowsBottom));
        p.setPen(kLabelText);
        p.drawText(QRectF(at - 30, 2, 60, 14), Qt::AlignCenter, OffsetLabel(hours));
    }
    const QString birth = Text(timewindow::ClockText(window_.birth, window_.birth));
    p.setPen(Qt::white);
    p.setFont(UiFont(8.25, true));
    p.drawText(QRectF(x(0) - 60, 14, 120, 14), Qt::AlignCenter, tr("birth %1").arg(birth));
    p.setFont(UiFont(8.25));

    for (std::size_t row = 0; row < window_.bodies.size(); ++row) {
        const BodyWindow& body = window_.bodies[row];
        const int top = kAxisHeight + static_cast<int>(row) * kRowHeight;
        if (body.body == timewindow::kFirstPointBody || body.body == timewindow::kFirstGrahaBody ||
            body.body == timewindow::kFirstUpagrahaBody) {
            p.setPen(QColor(96, 134, 146));
            p.drawLine(QPointF(4, top), QPointF(this->width() - 4, top));
        }
        p.setPen(kLabelText);
        p.drawText(QRectF(6, top, kNameColumn - 10, kRowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   Text(timewindow::BodyName(body.body)));
        for (std::size_t lane = 0; lane < kLanes.size(); ++lane) {
            const Span& span = body.*(kLanes[lane].span);
            // A span runs from its first minute to the end of its last one.
            const double from = span.from ? x(span.from->shiftMinutes) : x(-kMinutesShown / 2);
            const double to = span.to ? x(span.to->shiftMinutes + 1) : x(kMinutesShown / 2);
            const double y = top + 2 + static_cast<double>(lane) * (kBarHeight + 1);
            p.fillRect(QRectF(from, y, std::max(1.0, to - from), kBarHeight), kLanes[lane].colour);
        }
    }
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(QPointF(x(0), kAxisHeight - 4), QPointF(x(0), rowsBottom));

    // The legend under the rows.
    double at = left;
    const int legendTop = rowsBottom + 8;
    for (const Lane& lane : kLanes) {
        p.fillRect(QRectF(at, legendTop + 5, 18, kBarHeight), lane.colour);
        p.setPen(kLabelText);
        const QString caption = tr("%1 stays").arg(QString::fromLatin1(lane.name));
        p.drawText(QPointF(at + 24, legendTop + 10), caption);
        at += 34 + p.fontMetrics().horizontalAdvance(caption) + 12;
    }
}

TimeWindowView::TimeWindowView(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTimeWindow"));
    setWindowTitle(tr("Birth-Time Window"));
    setWindowIcon(AppIcon());
    setModal(false);
    PaintInWindowColours(*this);

    lblShift_ = new QLabel(this);
    lblShift_->setObjectName(QStringLiteral("lblShift"));
    lblShift_->setFont(UiFont(9.75, true));
    lblShift_->setStyleSheet(QStringLiteral("color: white;"));
    lblShift_->setWordWrap(true);
    lblShift_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblWho_ = new QLabel(this);
    lblWho_->setObjectName(QStringLiteral("lblWho"));
    lblWho_->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    lblWho_->setWordWrap(true);

    timeline_ = new TimelineView(this);
    timeline_->setAccessibleName(tr("Timeline of the spans; the table below gives them as text"));
    table_ = new QTextBrowser(this);
    table_->setObjectName(QStringLiteral("txtTimeWindow"));
    table_->setOpenLinks(false);
    table_->setMinimumHeight(200);
    table_->setAccessibleName(tr("Clock times between which each value stays as at birth"));

    cmdCopy_ = new QPushButton(tr("&Copy"), this);
    cmdCopy_->setObjectName(QStringLiteral("cmdCopyTimeWindow"));
    cmdCopy_->setToolTip(tr("Copy the window as text, one row per body"));
    cmdClose_ = new QPushButton(tr("Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdCloseTimeWindow"));
    cmdCopy_->setAutoDefault(false);
    cmdClose_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    auto* note = new QLabel(
        tr("Local clock times of the first and last minute each value holds, searched 12 hours "
           "each way; \u2026 means it holds beyond 12 hours."),
        this);
    note->setWordWrap(true);
    note->setFont(UiFont(7.5));
    note->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    buttons->addWidget(note, 1);
    buttons->addWidget(cmdCopy_);
    buttons->addWidget(cmdClose_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblShift_);
    column->addWidget(lblWho_);
    column->addWidget(timeline_);
    column->addWidget(table_, 1);
    column->addLayout(buttons);

    setTabOrder(table_, cmdCopy_);
    setTabOrder(cmdCopy_, cmdClose_);
    connect(cmdCopy_, &QPushButton::clicked, this, &TimeWindowView::CopyText);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::close);
    resize(720, 740);
}

void TimeWindowView::ShowReading(const FullReading& full) {
    window_ = full.timeWindow.value();
    who_ = Text(ChartHeadlineText(full.reading.record));
    lblShift_->setText(Text(timewindow::HouseShiftSentence(window_)));
    lblWho_->setText(tr("Birth-time window of %1").arg(who_));
    timeline_->SetWindow(window_);

    QString html =
        QStringLiteral(
            "<table cellspacing='0' cellpadding='3' width='100%'>"
            "<tr><th align='left'>%1</th><th align='left' colspan='2'>%2</th>"
            "<th align='left' colspan='2'>%3</th><th align='left' colspan='2'>%4</th></tr>")
            .arg(tr("Body"), tr("Sign"), tr("House"), tr("Nakshatra pada"));
    for (const BodyWindow& body : window_.bodies) {
        const QString shade = body.body % 2 == 0 ? QStringLiteral(" bgcolor='#eef3f5'") : QString();
        html += QStringLiteral(
                    "<tr%1><td><b>%2</b></td><td>%3</td><td>%4</td><td>%5</td><td>%6</td>"
                    "<td>%7</td><td>%8</td></tr>")
                    .arg(shade, Text(timewindow::BodyName(body.body)), SignText(body),
                         ShortSpanText(body.sign, window_.birth).toHtmlEscaped(),
                         QString::number(body.atBirth.house),
                         ShortSpanText(body.house, window_.birth).toHtmlEscaped(), PadaText(body),
                         ShortSpanText(body.pada, window_.birth).toHtmlEscaped());
    }
    table_->setHtml(html + QStringLiteral("</table>"));
}

QString TimeWindowView::PlainText() const {
    QStringList lines{lblShift_->text(), lblWho_->text(),
                      QStringList{tr("Body"), tr("Sign"), tr("Sign stays"), tr("House"),
                                  tr("House stays"), tr("Pada"), tr("Pada stays")}
                          .join(u'\t')};
    for (const BodyWindow& body : window_.bodies) {
        lines << QStringList{Text(timewindow::BodyName(body.body)),
                             SignText(body),
                             SpanQText(body.sign, window_.birth),
                             QString::number(body.atBirth.house),
                             SpanQText(body.house, window_.birth),
                             PadaText(body),
                             SpanQText(body.pada, window_.birth)}
                     .join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void TimeWindowView::CopyText() { QApplication::clipboard()->setText(PlainText()); }

}  // namespace tamovid
