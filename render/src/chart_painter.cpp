#include "tamovid/render/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "tamovid/render/qt_text.h"

namespace tamovid {
namespace {

// Shares of the chart's side.
constexpr double kLineWidth = 0.0025;
constexpr double kMarkWidth = 0.005;
constexpr double kCentreLineHeight = 0.042;    // the tallest a centre line may be
constexpr double kSmallestCentreText = 0.024;  // a longer line wraps rather than shrink below
constexpr qsizetype kMostWrappedLines = 3;     // of one line about the birth
// Text fills this share of its box's height, leaving room for ascenders and descenders.
constexpr double kTextFill = 0.8;
constexpr int kSmallestPixelSize = 1;

double LineWidth(double side) { return std::max(1.0, kLineWidth * side); }

QFont ChartFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A font of this pixel size, made smaller only where the widest text would not fit `width`.
QFont SizedFont(const QStringList& texts, double width, double pixels, bool bold = false) {
    QFont font = ChartFont();
    font.setBold(bold);
    int size = std::max(kSmallestPixelSize, static_cast<int>(std::floor(pixels)));
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

// A font whose pixel size fills `height` and whose widest text fits `width`.
QFont FittingFont(const QStringList& texts, double width, double height, bool bold = false) {
    return SizedFont(texts, width, height * kTextFill, bold);
}

// The text as one line, or broken at blanks into at most kMostWrappedLines where it is
// wider than `width`; a part still too wide is shortened with an ellipsis.
QStringList Wrapped(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= width) return {text};
    const QStringList words = text.split(u' ');
    QStringList parts;
    qsizetype next = 0;
    while (next < words.size() && parts.size() + 1 < kMostWrappedLines) {
        QString line = words[next++];
        while (next < words.size() &&
               metrics.horizontalAdvance(line + u' ' + words[next]) <= width) {
            line += u' ' + words[next++];
        }
        parts << metrics.elidedText(line, Qt::ElideRight, width);
    }
    const QString rest = words.mid(next).join(u' ');
    if (!rest.trimmed().isEmpty()) parts << metrics.elidedText(rest, Qt::ElideRight, width);
    return parts;
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
    painter.setFont(SizedFont(texts, first.width(), cell.labels.front().textHeight * map.side()));
    for (std::size_t i = 0; i < cell.labels.size(); ++i) {
        const ChartLabel& label = cell.labels[i];
        painter.setPen(colours.bodies[static_cast<std::size_t>(label.body)]);
        painter.drawText(map(label.box), Qt::AlignCenter, texts[static_cast<qsizetype>(i)]);
    }
}

void DrawCentre(QPainter& painter, const ChartLayout& layout, const Mapper& map,
                const ChartColours& colours, double smallestText) {
    if (!layout.centreBox || layout.centreLines.empty()) return;
    const QRectF box = map(*layout.centreBox);
    QStringList lines;
    for (const std::string& line : layout.centreLines) lines << Text(line);
    double lineHeight =
        std::min(kCentreLineHeight * map.side(), box.height() / static_cast<double>(lines.size()));
    // The name stands out; the other lines share one size. Neither goes below the floor:
    // a line too long for it is wrapped or shortened instead.
    const int floor =
        static_cast<int>(std::ceil(std::max(smallestText, kSmallestCentreText * map.side())));
    auto atLeastFloor = [floor](QFont font) {
        if (font.pixelSize() < floor) font.setPixelSize(floor);
        return font;
    };
    const QFont nameFont = atLeastFloor(FittingFont({lines[0]}, box.width(), lineHeight, true));
    const QFont otherFont = atLeastFloor(FittingFont(lines.mid(1), box.width(), lineHeight));

    std::vector<std::pair<QString, const QFont*>> shown;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QFont* font = i == 0 ? &nameFont : &otherFont;
        for (const QString& part : Wrapped(lines[i], *font, box.width()))
            shown.emplace_back(part, font);
    }
    lineHeight = std::min(lineHeight, box.height() / static_cast<double>(shown.size()));
    painter.setPen(colours.centreText);
    double top = box.top() + (box.height() - lineHeight * static_cast<double>(shown.size())) / 2;
    for (const auto& [text, font] : shown) {
        painter.setFont(*font);
        painter.drawText(QRectF(box.left(), top, box.width(), lineHeight), Qt::AlignCenter, text);
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
    // The Ascendant and the Sun as the result panel shows them, the five points in its light
    // cyan, the other grahas in a light orange that tells them from the points.
    const QColor point(128, 255, 255);
    const QColor graha(255, 200, 140);
    // The six of the day's portions in a lilac of their own.
    const QColor upagraha(225, 180, 255);
    c.bodies = {QColor(0, 255, 0),
                QColor(255, 255, 0),
                point,
                point,
                point,
                point,
                point,
                graha,
                graha,
                graha,
                graha,
                graha,
                graha,
                graha,
                graha,
                upagraha,
                upagraha,
                upagraha,
                upagraha,
                upagraha,
                upagraha};
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
               const ChartColours& colours, double smallestText) {
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

    // Every caption in one size: the size that fits the smallest box, or the smallest
    // text asked for, with the short captions where a name is too wide for that.
    QFont captionFont;
    bool captionFontSet = false;
    for (const ChartCell& cell : layout.cells) {
        const QRectF box = map(cell.captionBox);
        const QFont fitting = FittingFont({Text(cell.caption)}, box.width(), box.height());
        if (!captionFontSet || fitting.pixelSize() < captionFont.pixelSize()) captionFont = fitting;
        captionFontSet = true;
    }
    bool shortCaptions = false;
    if (captionFont.pixelSize() < smallestText) {
        captionFont.setPixelSize(static_cast<int>(std::ceil(smallestText)));
        const QFontMetricsF metrics(captionFont);
        for (const ChartCell& cell : layout.cells) {
            if (metrics.horizontalAdvance(Text(cell.caption)) > map(cell.captionBox).width()) {
                shortCaptions = true;
            }
        }
    }
    for (const ChartCell& cell : layout.cells) {
        if (!cell.caption.empty()) {
            const QRectF box = map(cell.captionBox);
            const QString caption = Text(shortCaptions ? cell.shortCaption : cell.caption);
            painter.setFont(captionFont);
            painter.setPen(colours.captions);
            const int align = layout.style == ChartStyle::kSouth
                                  ? static_cast<int>(Qt::AlignRight | Qt::AlignVCenter)
                                  : static_cast<int>(Qt::AlignCenter);
            painter.drawText(box, align, caption);
        }
        DrawLabels(painter, cell, map, colours);
    }
    DrawCentre(painter, layout, map, colours, smallestText);
    painter.restore();
}

}  // namespace tamovid
