#include "tamovid/render/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "tamovid/render/qt_text.h"

namespace tamovid {
namespace {

// Shares of the chart's side.
constexpr double kLineWidth = 0.0025;
constexpr double kMarkWidth = 0.005;
constexpr double kCentreLineHeight = 0.042;  // the tallest a centre line may be
// Text fills this share of its box's height, leaving room for ascenders and descenders.
constexpr double kTextFill = 0.8;
constexpr int kSmallestPixelSize = 1;

double LineWidth(double side) { return std::max(1.0, kLineWidth * side); }

QFont ChartFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A font whose pixel size fills `height` and whose widest text fits `width`.
QFont FittingFont(const QStringList& texts, double width, double height, bool bold = false) {
    QFont font = ChartFont();
    font.setBold(bold);
    int size = std::max(kSmallestPixelSize, static_cast<int>(std::floor(height * kTextFill)));
    font.setPixelSize(size);
    double widest = 0;
    const QFontMetricsF metrics(font);
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    if (widest > width && widest > 0) {
        size = std::max(kSmallestPixelSize, static_cast<int>(std::floor(size * width / widest)));
        font.setPixelSize(size);
    }
    return font;
}

// Unit-square positions to the device: the largest centred square, inset so that the
// outer lines are drawn whole.
class Mapper {
public:
    explicit Mapper(const QRectF& target) {
        const double whole = std::min(target.width(), target.height());
        side_ = std::max(0.0, whole - 2 * LineWidth(whole));
        origin_ = {target.center().x() - side_ / 2, target.center().y() - side_ / 2};
    }
    double side() const { return side_; }
    QPointF operator()(const ChartPoint& p) const {
        return {origin_.x() + p.x * side_, origin_.y() + p.y * side_};
    }
    QRectF operator()(const ChartRect& r) const {
        return {origin_.x() + r.left * side_, origin_.y() + r.top * side_, r.width * side_,
                r.height * side_};
    }

private:
    double side_ = 0;
    QPointF origin_;
};

void DrawLabels(QPainter& painter, const ChartCell& cell, const Mapper& map,
                const ChartColours& colours) {
    if (cell.labels.empty()) return;
    QStringList texts;
    for (const ChartLabel& label : cell.labels) texts << Text(label.text);
    // One size for the whole cell, so its labels line up.
    const QRectF first = map(cell.labels.front().box);
    painter.setFont(FittingFont(texts, first.width(), first.height()));
    for (std::size_t i = 0; i < cell.labels.size(); ++i) {
        const ChartLabel& label = cell.labels[i];
        painter.setPen(colours.bodies[static_cast<std::size_t>(label.body)]);
        painter.drawText(map(label.box), Qt::AlignCenter, texts[static_cast<qsizetype>(i)]);
    }
}

void DrawCentre(QPainter& painter, const ChartLayout& layout, const Mapper& map,
                const ChartColours& colours) {
    if (!layout.centreBox || layout.centreLines.empty()) return;
    const QRectF box = map(*layout.centreBox);
    QStringList lines;
    for (const std::string& line : layout.centreLines) lines << Text(line);
    const double lineHeight =
        std::min(kCentreLineHeight * map.side(), box.height() / static_cast<double>(lines.size()));
    painter.setPen(colours.centreText);
    double top = box.top() + (box.height() - lineHeight * static_cast<double>(lines.size())) / 2;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // The name stands out; the other lines share one size.
        const bool name = i == 0;
        painter.setFont(name ? FittingFont({lines[0]}, box.width(), lineHeight, true)
                             : FittingFont(lines.mid(1), box.width(), lineHeight));
        painter.drawText(QRectF(box.left(), top, box.width(), lineHeight), Qt::AlignCenter,
                         lines[i]);
        top += lineHeight;
    }
}

}  // namespace

ChartColours WindowChartColours() {
    ChartColours c;
    c.background = QColor(33, 70, 82);
    c.lines = QColor(150, 186, 196);
    c.ascendantMark = QColor(0, 255, 0);
    c.captions = QColor(150, 186, 196);
    c.centreText = QColor(224, 224, 224);
    // The Ascendant and the Sun as the result panel shows them; the five points in its light cyan.
    c.bodies = {QColor(0, 255, 0),     QColor(255, 255, 0),   QColor(128, 255, 255),
                QColor(128, 255, 255), QColor(128, 255, 255), QColor(128, 255, 255),
                QColor(128, 255, 255)};
    return c;
}

ChartColours PaperChartColours() {
    ChartColours c;
    c.background = Qt::white;
    c.lines = Qt::black;
    c.ascendantMark = Qt::black;
    c.captions = Qt::black;
    c.centreText = Qt::black;
    c.bodies.fill(Qt::black);
    return c;
}

void DrawChart(QPainter& painter, const ChartLayout& layout, const QRectF& target,
               const ChartColours& colours) {
    const Mapper map(target);
    if (map.side() <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (colours.background.alpha() > 0) painter.fillRect(target, colours.background);

    QPen pen(colours.lines, LineWidth(map.side()));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    for (const ChartSegment& line : layout.lines) painter.drawLine(map(line.from), map(line.to));
    if (layout.ascendantMark) {
        QPen mark(colours.ascendantMark, std::max(1.0, kMarkWidth * map.side()));
        mark.setCapStyle(Qt::FlatCap);
        painter.setPen(mark);
        painter.drawLine(map(layout.ascendantMark->from), map(layout.ascendantMark->to));
    }

    // Every caption in one size: the size that fits the smallest box.
    QFont captionFont;
    bool captionFontSet = false;
    for (const ChartCell& cell : layout.cells) {
        const QRectF box = map(cell.captionBox);
        const QFont fitting = FittingFont({Text(cell.caption)}, box.width(), box.height());
        if (!captionFontSet || fitting.pixelSize() < captionFont.pixelSize()) captionFont = fitting;
        captionFontSet = true;
    }
    for (const ChartCell& cell : layout.cells) {
        if (!cell.caption.empty()) {
            const QRectF box = map(cell.captionBox);
            const QString caption = Text(cell.caption);
            painter.setFont(captionFont);
            painter.setPen(colours.captions);
            const int align = layout.style == ChartStyle::kSouth
                                  ? static_cast<int>(Qt::AlignRight | Qt::AlignVCenter)
                                  : static_cast<int>(Qt::AlignCenter);
            painter.drawText(box, align, caption);
        }
        DrawLabels(painter, cell, map, colours);
    }
    DrawCentre(painter, layout, map, colours);
    painter.restore();
}

}  // namespace tamovid
