#include "tamovid/report/reading_document.h"

#include <QBuffer>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "tamovid/render/chart_painter.h"
#include "tamovid/render/qt_text.h"
#include "tamovid/report/reading_sheet.h"

namespace tamovid {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kSideMarginMm = 16;
constexpr double kTopMarginMm = 12;
constexpr double kBottomMarginMm = 10;
constexpr double kChartSideMm = 80;
constexpr double kColumnGapMm = 8;
constexpr double kFactLabelMm = 31;
constexpr double kFooterMm = 7;
constexpr int kPdfResolution = 600;  // dots per inch of the PDF's coordinates

// Point sizes of the page's text.
constexpr double kTitlePt = 18;
constexpr double kHeadingPt = 10;
constexpr double kSectionPt = 11;
constexpr double kPointNamePt = 10.5;
constexpr double kBodyPt = 9;
constexpr double kSmallPt = 8.5;
constexpr double kFooterPt = 7.5;
// The chart's labels and its lines about the birth: never smaller than this.
constexpr double kChartTextPt = 7;
constexpr double kPointsPerInch = 72;

// Countries whose customary paper is US Letter besides those that measure in US units.
constexpr std::array kLetterTerritories = {QLocale::Canada,
                                           QLocale::Mexico,
                                           QLocale::Chile,
                                           QLocale::Colombia,
                                           QLocale::Venezuela,
                                           QLocale::Philippines,
                                           QLocale::PuertoRico,
                                           QLocale::Guatemala,
                                           QLocale::CostaRica,
                                           QLocale::Panama,
                                           QLocale::ElSalvador,
                                           QLocale::Nicaragua,
                                           QLocale::DominicanRepublic,
                                           QLocale::Honduras};

const QColor kInk(0, 0, 0);
const QColor kSoftInk(85, 85, 85);
const QColor kAccent(24, 72, 84);
const QColor kRuleColour(170, 170, 170);

struct TextItem {
    QRectF rect;
    QFont font;
    QColor colour;
    int flags = 0;
    QString text;
};

/// Which chart a page draws where.
enum class PageChartKind { kRasi, kNavamsa };
struct PageChart {
    QRectF rect;
    PageChartKind kind = PageChartKind::kRasi;
};

struct PageItems {
    std::vector<TextItem> texts;
    std::vector<QLineF> rules;
    std::vector<PageChart> charts;
};

// Places the sheet's texts top to bottom, measuring each with the device's own metrics,
// and starts a new page where the next block would cross the footer.
class Composer {
public:
    Composer(QPaintDevice& device, QSizeF area)
        : device_(device), width_(area.width()), bottom_(area.height() - Mm(kFooterMm)) {
        pages_.emplace_back();
    }

    double Mm(double mm) const { return mm * device_.logicalDpiY() / kMmPerInch; }
    double Width() const { return width_; }
    double Y() const { return y_; }
    void Skip(double height) { y_ += height; }
    void SetY(double y) { y_ = y; }

    QFont Font(double points, bool bold = false) const {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        // Ligatures would turn "fi" into one glyph, which copies and searches badly.
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    }

    double Height(const QFont& font, double width, const QString& text) const {
        const QFontMetricsF metrics(font, &device_);
        return metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
    }
    double Advance(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, &device_).horizontalAdvance(text);
    }

    /// Starts a new page unless the next height fits on this one (or nothing is on it yet).
    void KeepTogether(double height) {
        if (y_ + height <= bottom_ || y_ == 0) return;
        pages_.emplace_back();
        y_ = 0;
    }

    /// Adds wrapped text at x with this width at the current line; returns its height.
    double Put(double x, double width, const QFont& font, const QColor& colour, const QString& text,
               int align = Qt::AlignLeft) {
        const double height = Height(font, width, text);
        pages_.back().texts.push_back({QRectF(x, y_, width, height), font, colour,
                                       align | Qt::AlignTop | Qt::TextWordWrap, text});
        return height;
    }
    void Rule(double x, double width) { pages_.back().rules.emplace_back(x, y_, x + width, y_); }
    void Chart(const QRectF& rect, PageChartKind kind = PageChartKind::kRasi) {
        pages_.back().charts.push_back({rect, kind});
    }

    std::vector<PageItems>& Pages() { return pages_; }
    double Bottom() const { return bottom_; }

private:
    QPaintDevice& device_;
    double width_;
    double bottom_;
    double y_ = 0;
    std::vector<PageItems> pages_;
};

void PutHeader(Composer& c, const ReadingSheet& sheet) {
    c.Skip(c.Put(0, c.Width(), c.Font(kTitlePt, true), kInk, Text(sheet.title)));
    if (sheet.title != sheet.heading) {
        c.Skip(c.Mm(0.8));
        c.Skip(c.Put(0, c.Width(), c.Font(kHeadingPt), kSoftInk, Text(sheet.heading)));
    }
    c.Skip(c.Mm(2));
    c.Rule(0, c.Width());
    c.Skip(c.Mm(3.5));
}

void PutCaption(Composer& c, double x, double width, const QString& caption) {
    c.Skip(c.Put(x, width, c.Font(kHeadingPt, true), kAccent, caption));
    c.Skip(c.Mm(1.5));
}

void PutFacts(Composer& c, double x, double width, const std::vector<SheetFact>& facts) {
    const double labelWidth = c.Mm(kFactLabelMm);
    for (const SheetFact& fact : facts) {
        // A fact is kept whole on one page, never run over the footer.
        c.KeepTogether(std::max(c.Height(c.Font(kSmallPt), labelWidth, Text(fact.label)),
                                c.Height(c.Font(kBodyPt), width - labelWidth, Text(fact.value))));
        const double label = c.Put(x, labelWidth, c.Font(kSmallPt), kSoftInk, Text(fact.label));
        const double value =
            c.Put(x + labelWidth, width - labelWidth, c.Font(kBodyPt), kInk, Text(fact.value));
        c.Skip(std::max(label, value) + c.Mm(0.8));
    }
}

void PutPointTable(Composer& c, double x, double width, const ReadingSheet& sheet) {
    // Column starts as parts of the width: point, position, lord, house.
    constexpr std::array<double, 4> kColumns = {0.0, 0.34, 0.64, 0.86};
    auto row = [&](const std::array<QString, 4>& cells, const QFont& font, const QColor& colour) {
        double height = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const double end = i + 1 < cells.size() ? kColumns[i + 1] : 1.0;
            height = std::max(
                height, c.Put(x + width * kColumns[i], width * (end - kColumns[i]) - c.Mm(1), font,
                              colour, cells[i]));
        }
        c.Skip(height + c.Mm(0.8));
        c.Rule(x, width);
        c.Skip(c.Mm(0.9));
    };
    row({QStringLiteral("Point"), QStringLiteral("Position"), QStringLiteral("Lord"),
         QStringLiteral("House")},
        c.Font(kSmallPt, true), kSoftInk);
    for (const SheetPoint& point : sheet.points) {
        row({Text(point.name), Text(point.position), Text(point.lord), Text(point.house)},
            c.Font(kBodyPt), kInk);
    }
}

// The birth data, the Sun and Ascendant and the table at the left, the chart at the right.
void PutOverview(Composer& c, const ReadingSheet& sheet) {
    const double top = c.Y();
    const double side = std::min(c.Mm(kChartSideMm), c.Width() * 0.45);
    const double left = c.Width() - side - c.Mm(kColumnGapMm);
    c.Chart(QRectF(c.Width() - side, top, side, side));

    PutCaption(c, 0, left, QStringLiteral("Birth data"));
    PutFacts(c, 0, left, sheet.birth);
    c.Skip(c.Mm(2.5));
    PutCaption(c, 0, left, QStringLiteral("Sun and Ascendant"));
    PutFacts(c, 0, left, sheet.angles);
    c.Skip(c.Mm(2.5));
    PutCaption(c, 0, left, QStringLiteral("The five points"));
    PutPointTable(c, 0, left, sheet);
    c.SetY(std::max(c.Y(), top + side) + c.Mm(4));
}

// The Rasi and the Navamsa charts side by side, each named under it; then the birth data
// and the Sun and Ascendant at the left, the table of the five points at the right.
void PutOverviewWithNavamsa(Composer& c, const ReadingSheet& sheet) {
    const double gap = c.Mm(kColumnGapMm);
    const double side = std::min(c.Mm(kChartSideMm), (c.Width() - gap) / 2);
    const double top = c.Y();
    const double rightX = c.Width() - side;
    c.Chart(QRectF(0, top, side, side), PageChartKind::kRasi);
    c.Chart(QRectF(rightX, top, side, side), PageChartKind::kNavamsa);
    c.SetY(top + side + c.Mm(1));
    const QFont captionFont = c.Font(kSmallPt, true);
    c.Put(0, side, captionFont, kSoftInk, QStringLiteral("D1 Rasi"), Qt::AlignHCenter);
    c.Skip(c.Put(rightX, side, captionFont, kSoftInk, Text(VargaTitle(Varga::kD9)),
                 Qt::AlignHCenter) +
           c.Mm(4));

    const double columns = c.Y();
    const double half = (c.Width() - gap) / 2;
    PutCaption(c, 0, half, QStringLiteral("Birth data"));
    PutFacts(c, 0, half, sheet.birth);
    c.Skip(c.Mm(2.5));
    PutCaption(c, 0, half, QStringLiteral("Sun and Ascendant"));
    PutFacts(c, 0, half, sheet.angles);
    const double leftEnd = c.Y();
    c.SetY(columns);
    PutCaption(c, half + gap, half, QStringLiteral("The five points"));
    PutPointTable(c, half + gap, half, sheet);
    c.SetY(std::max(c.Y(), leftEnd) + c.Mm(4));
}

/// One row of a table over the whole width; column starts as parts of the width.
template <std::size_t N>
class TableRows {
public:
    TableRows(Composer& c, const std::array<double, N>& columns) : c_(c), columns_(columns) {}

    double Height(const std::array<QString, N>& cells, const QFont& font) const {
        double height = 0;
        for (std::size_t i = 0; i < N; ++i) {
            height = std::max(height, c_.Height(font, CellWidth(i), cells[i]));
        }
        return height;
    }
    void Put(const std::array<QString, N>& cells, const QFont& font, const QColor& colour) {
        const double height = Height(cells, font);
        for (std::size_t i = 0; i < N; ++i) {
            c_.Put(c_.Width() * columns_[i], CellWidth(i), font, colour, cells[i]);
        }
        c_.Skip(height + c_.Mm(0.6));
        c_.Rule(0, c_.Width());
        c_.Skip(c_.Mm(0.7));
    }

private:
    double CellWidth(std::size_t i) const {
        const double end = i + 1 < N ? columns_[i + 1] : 1.0;
        return c_.Width() * (end - columns_[i]) - c_.Mm(1);
    }
    Composer& c_;
    const std::array<double, N>& columns_;
};

/// A table over the whole width: the column names in small bold, then the rows. A row is
/// kept on one page, and a table that runs on to a new page names its columns again.
template <std::size_t N>
void PutTable(Composer& c, const std::array<double, N>& columns,
              const std::array<QString, N>& header,
              const std::vector<std::array<std::string, N>>& rows) {
    TableRows<N> table(c, columns);
    const QFont headerFont = c.Font(kSmallPt, true);
    const QFont bodyFont = c.Font(kBodyPt);
    const double headerHeight = table.Height(header, headerFont) + c.Mm(1.3);
    bool first = true;
    for (const std::array<std::string, N>& row : rows) {
        std::array<QString, N> cells;
        for (std::size_t i = 0; i < N; ++i) cells[i] = Text(row[i]);
        const double height = table.Height(cells, bodyFont) + c.Mm(1.3);
        const std::size_t pages = c.Pages().size();
        c.KeepTogether(first ? headerHeight + height : height);
        if (first || c.Pages().size() != pages) table.Put(header, headerFont, kSoftInk);
        table.Put(cells, bodyFont, kInk);
        first = false;
    }
}

void PutGrahas(Composer& c, const SheetGrahas& grahas) {
    c.KeepTogether(c.Mm(20));
    PutCaption(c, 0, c.Width(), QStringLiteral("The grahas, the Ascendant and the five points"));
    constexpr std::array<double, 7> kColumns = {0.0, 0.17, 0.33, 0.45, 0.68, 0.77, 0.86};
    PutTable<7>(c, kColumns,
                {QStringLiteral("Name"), QStringLiteral("Sign"), QStringLiteral("Degrees"),
                 QStringLiteral("Nakshatra"), QStringLiteral("Pada"), QStringLiteral("House"),
                 QStringLiteral("Retrograde")},
                grahas.rows);
    c.Skip(c.Mm(0.8));
    c.Skip(c.Put(0, c.Width(), c.Font(kSmallPt), kSoftInk, Text(grahas.source)) + c.Mm(2));
    if (!grahas.signMates.empty()) {
        c.KeepTogether(c.Mm(12));
        c.Skip(c.Put(0, c.Width(), c.Font(kSmallPt, true), kSoftInk,
                     QStringLiteral("Grahas in the sign of a point")) +
               c.Mm(1));
        PutFacts(c, 0, c.Width(), grahas.signMates);
    }
    c.Skip(c.Mm(3));
}

void PutTimeWindow(Composer& c, const SheetTimeWindow& window) {
    c.KeepTogether(c.Mm(24));
    PutCaption(c, 0, c.Width(), QStringLiteral("Birth-time window"));
    c.Skip(c.Put(0, c.Width(), c.Font(kBodyPt, true), kInk, Text(window.nearestHouseChange)) +
           c.Mm(1.2));
    c.Skip(
        c.Put(0, c.Width(), c.Font(kSmallPt), kSoftInk,
              QStringLiteral("Local clock times between which each stays as at birth, "
                             "searched 12 hours each way.")) +
        c.Mm(1.5));
    constexpr std::array<double, 4> kColumns = {0.0, 0.19, 0.46, 0.73};
    PutTable<4>(c, kColumns,
                {QStringLiteral("Name"), QStringLiteral("Same sign"), QStringLiteral("Same house"),
                 QStringLiteral("Same pada")},
                window.rows);
    c.Skip(c.Mm(3));
}

void PutDasha(Composer& c, const SheetDasha& dasha) {
    c.KeepTogether(c.Mm(40));
    PutCaption(c, 0, c.Width(), QStringLiteral("Vimshottari dasha"));
    c.Skip(c.Put(0, c.Width(), c.Font(kBodyPt, true), kInk, Text(dasha.balance)) + c.Mm(1.2));
    c.Skip(c.Put(0, c.Width(), c.Font(kSmallPt), kSoftInk, Text(dasha.note)) + c.Mm(1.5));
    constexpr std::array<double, 4> kColumns = {0.0, 0.3, 0.53, 0.76};
    const std::array<QString, 4> header = {QStringLiteral("Maha period"), QStringLiteral("Starts"),
                                           QStringLiteral("Ends"), QStringLiteral("Age at start")};
    PutTable<4>(c, kColumns, header, dasha.maha);
    for (const SheetSubPeriods& subs : dasha.subs) {
        c.Skip(c.Mm(2));
        c.KeepTogether(c.Mm(20));
        c.Skip(c.Put(0, c.Width(), c.Font(kSmallPt, true), kSoftInk, Text(subs.caption)) + c.Mm(1));
        PutTable<4>(c, kColumns,
                    {QStringLiteral("Sub period"), header[1], header[2], header[3]}, subs.rows);
    }
    c.Skip(c.Mm(3));
}

void PutUpagrahas(Composer& c, const SheetUpagrahas& six) {
    c.KeepTogether(c.Mm(24));
    PutCaption(c, 0, c.Width(), QStringLiteral("The six upagrahas of the day"));
    c.Skip(c.Put(0, c.Width(), c.Font(kBodyPt), kInk, Text(six.dayLine)) + c.Mm(1.5));
    if (!six.rows.empty()) {
        constexpr std::array<double, 7> kColumns = {0.0, 0.17, 0.33, 0.45, 0.68, 0.77, 0.86};
        PutTable<7>(c, kColumns,
                    {QStringLiteral("Name"), QStringLiteral("Sign"), QStringLiteral("Degrees"),
                     QStringLiteral("Nakshatra"), QStringLiteral("Pada"), QStringLiteral("House"),
                     QString()},
                    six.rows);
    }
    c.Skip(c.Mm(3));
}

/// The share of the line a point's position and lord may take beside its name.
constexpr double kSharedNameLine = 0.6;

void PutPoint(Composer& c, const SheetPoint& point) {
    const QFont nameFont = c.Font(kPointNamePt, true);
    const QFont smallFont = c.Font(kSmallPt);
    const QFont bodyFont = c.Font(kBodyPt);
    const double width = c.Width();
    const double gap = c.Mm(1.2);
    // Position and lord share the name's line, at its right.
    const QString position = Text(point.lines[0]);
    const QString lord = Text(point.lines[1]);
    const double lordWidth = c.Advance(smallFont, lord) + c.Mm(1);
    const double positionWidth = c.Advance(smallFont, position) + c.Mm(1);
    double nameWidth = width - lordWidth - positionWidth - c.Mm(12);
    // Where position and lord fill most of the line (the six upagrahas say where they
    // rise), the name takes a line of its own above them.
    const bool ownLine = lordWidth + positionWidth > width * kSharedNameLine;
    if (ownLine) nameWidth = width;
    const double height = c.Height(nameFont, nameWidth, Text(point.name)) +
                          (ownLine ? c.Height(smallFont, width, lord) : 0) +
                          c.Height(smallFont, width, Text(point.lines[2])) +
                          c.Height(bodyFont, width, Text(point.lines[3])) +
                          c.Height(bodyFont, width, Text(point.lines[4])) + 4 * gap;
    c.KeepTogether(height);

    if (ownLine) c.Skip(c.Put(0, nameWidth, nameFont, kAccent, Text(point.name)));
    const double nameHeight =
        ownLine ? c.Height(smallFont, width, lord) : c.Put(0, nameWidth, nameFont, kAccent, Text(point.name));
    const double shift = std::max(0.0, nameHeight - c.Height(smallFont, width, lord));
    c.Skip(shift);
    c.Put(width - lordWidth, lordWidth, smallFont, kSoftInk, lord, Qt::AlignRight);
    c.Put(width - lordWidth - positionWidth - c.Mm(6), positionWidth, smallFont, kSoftInk, position,
          Qt::AlignRight);
    c.Skip(nameHeight - shift + gap);
    c.Skip(c.Put(0, width, smallFont, kSoftInk, Text(point.lines[2])) + gap);
    c.Skip(c.Put(0, width, c.Font(kBodyPt, true), kInk, Text(point.lines[3])) + gap * 0.5);
    c.Skip(c.Put(0, width, bodyFont, kInk, Text(point.lines[4])) + c.Mm(3.2));
}

// The smallest chart text in device pixels.
double ChartTextPixels(const QPaintDevice& device) {
    return kChartTextPt * device.logicalDpiY() / kPointsPerInch;
}

/// The page's charts, laid out once, by kind.
using PageChartLayouts = std::array<ChartLayout, 2>;

// Each chart laid out for its place on the page, its labels as large as kChartTextPt
// where its cells have room.
PageChartLayouts PageChartLayoutsOf(const PrintableReading& printable,
                                    const std::vector<PageItems>& pages, const QPaintDevice& device) {
    std::array<ChartInput, 2> inputs;
    ChartInput& rasi = inputs[static_cast<std::size_t>(PageChartKind::kRasi)];
    rasi = ChartInputFromReading(printable.reading);
    // The page's chart shows the grahas its table lists.
    if (printable.grahas) AddGrahaPlacements(rasi, printable.grahas->grahas);
    // Gulika and Mandi, as the window draws them whatever else it shows.
    if (printable.upagrahas) {
        AddUpagrahaPlacements(rasi, UpagrahaLongitudes(*printable.upagrahas), false);
    }
    if (printable.vargas) {
        inputs[static_cast<std::size_t>(PageChartKind::kNavamsa)] =
            VargaChartInput(*printable.vargas, Varga::kD9, rasi.centreLines);
    }
    PageChartLayouts layouts;
    for (std::size_t k = 0; k < inputs.size(); ++k) layouts[k] = LayoutChart(printable.style, inputs[k]);
    for (const PageItems& page : pages) {
        for (const PageChart& chart : page.charts) {
            const double side = std::min(chart.rect.width(), chart.rect.height());
            const auto k = static_cast<std::size_t>(chart.kind);
            if (side > 0) layouts[k] = LayoutChart(printable.style, inputs[k], ChartTextPixels(device) / side);
        }
    }
    return layouts;
}

void PaintPage(QPainter& painter, const PageItems& page, const PageChartLayouts& layouts) {
    for (const PageChart& chart : page.charts) {
        ChartColours colours = PaperChartColours();
        colours.background = Qt::transparent;
        DrawChart(painter, layouts[static_cast<std::size_t>(chart.kind)], chart.rect, colours,
                  ChartTextPixels(*painter.device()));
    }
    painter.setPen(QPen(kRuleColour, 0));
    for (const QLineF& rule : page.rules) painter.drawLine(rule);
    for (const TextItem& item : page.texts) {
        painter.setFont(item.font);
        painter.setPen(item.colour);
        painter.drawText(item.rect, item.flags, item.text);
    }
}

void PaintFooter(QPainter& painter, Composer& c, const ReadingSheet& sheet, int page, int pages) {
    const double top = c.Bottom() + c.Mm(3);
    painter.setPen(QPen(kRuleColour, 0));
    painter.drawLine(QLineF(0, top, c.Width(), top));
    const QFont font = c.Font(kFooterPt);
    painter.setFont(font);
    painter.setPen(kSoftInk);
    const QRectF line(0, top + c.Mm(1), c.Width(), c.Height(font, c.Width(), QStringLiteral("Ag")));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop, Text(sheet.program));
    painter.drawText(line, Qt::AlignRight | Qt::AlignTop, Text(PageNumberText(page, pages)));
}

}  // namespace

double CurrentJulianDate() {
    // Days since the Unix epoch, which began at Julian Date 2440587.5.
    constexpr double kUnixEpochJulianDate = 2440587.5;
    constexpr double kMillisecondsPerDay = 86'400'000;
    return kUnixEpochJulianDate +
           static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / kMillisecondsPerDay;
}

QPageSize ReadingPageSize(const QLocale& locale) {
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem ||
                        std::find(kLetterTerritories.begin(), kLetterTerritories.end(),
                                  locale.territory()) != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

void SetReadingPageLayout(QPagedPaintDevice& device, const QPageSize& size) {
    device.setPageSize(size);
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(kSideMarginMm, kTopMarginMm, kSideMarginMm, kBottomMarginMm),
                          QPageLayout::Millimeter);
}

int PaintReading(QPagedPaintDevice& device, const PrintableReading& printable) {
    const ReadingSheet sheet = MakeReadingSheet(
        printable.reading, printable.zoneLabel, printable.grahas ? &*printable.grahas : nullptr,
        printable.timeWindow ? &*printable.timeWindow : nullptr,
        printable.dasha ? &*printable.dasha : nullptr, printable.nowJulianDate,
        printable.upagrahas ? &*printable.upagrahas : nullptr);

    Composer composer(device, QSizeF(device.width(), device.height()));
    PutHeader(composer, sheet);
    if (printable.vargas) {
        PutOverviewWithNavamsa(composer, sheet);
    } else {
        PutOverview(composer, sheet);
    }
    if (sheet.grahas) PutGrahas(composer, *sheet.grahas);
    if (sheet.timeWindow) PutTimeWindow(composer, *sheet.timeWindow);
    if (sheet.upagrahas) PutUpagrahas(composer, *sheet.upagrahas);
    if (sheet.dasha) PutDasha(composer, *sheet.dasha);
    PutCaption(composer, 0, composer.Width(), QStringLiteral("The points one by one"));
    for (const SheetPoint& point : sheet.points) PutPoint(composer, point);
    if (sheet.upagrahas) {
        for (const SheetPoint& point : sheet.upagrahas->points) PutPoint(composer, point);
    }
    const PageChartLayouts layouts = PageChartLayoutsOf(printable, composer.Pages(), device);

    QPainter painter;
    if (!painter.begin(&device)) return 0;
    painter.setRenderHint(QPainter::Antialiasing);
    const auto& pages = composer.Pages();
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage()) return 0;
        PaintPage(painter, pages[static_cast<std::size_t>(i)], layouts);
        PaintFooter(painter, composer, sheet, i + 1, count);
    }
    return painter.end() ? count : 0;
}

QByteArray ReadingPdf(const PrintableReading& printable, const QPageSize& size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Tamovid"));
        writer.setTitle(
            QString::fromStdString(MakeReadingSheet(printable.reading, printable.zoneLabel).title));
        SetReadingPageLayout(writer, size);
        if (PaintReading(writer, printable) == 0) return {};
    }
    return buffer.data();
}

FileWriteResult WriteReadingPdf(const std::filesystem::path& path,
                                const PrintableReading& printable, const QPageSize& size) {
    const QByteArray pdf = ReadingPdf(printable, size);
    if (pdf.isEmpty()) {
        return Failure{"The reading could not be laid out as a PDF document, so \"" +
                       path.string() + "\" was not written."};
    }
    return WriteFileAtomically(
        path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace tamovid
