#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>

#include "tamovid/test_support/sample_entries.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/render/chart_image.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid {
namespace {

ChartLayout Delhi(ChartStyle style) {
    const auto reading = Calculate(testing_support::BirthOf(testing_support::Delhi1947()));
    return LayoutChart(style, ChartInputFromReading(reading));
}

struct SvgText {
    QString text;
    QPointF at;
};

// Every <text> of an SVG with its place; the generator writes plain x and y under
// identity transforms, which the test insists on rather than undoing.
std::vector<SvgText> TextsOf(const QByteArray& svg, int* polylines) {
    std::vector<SvgText> texts;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto transform = xml.attributes().value(QStringLiteral("transform"));
        EXPECT_TRUE(transform.isEmpty() || transform == QStringLiteral("matrix(1,0,0,1,0,0)"))
            << transform.toString().toStdString();
        if (xml.name() == QStringLiteral("polyline")) ++*polylines;
        if (xml.name() == QStringLiteral("text")) {
            const QPointF at(xml.attributes().value(QStringLiteral("x")).toDouble(),
                             xml.attributes().value(QStringLiteral("y")).toDouble());
            texts.push_back({xml.readElementText(), at});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

TEST(ChartSvg, Delhi1947ReadsBackFromTheDrawnTextInBothStyles) {
    struct Expected {
        const char* abbreviation;
        int sign;
        int northHouse;
    };
    const Expected expected[] = {{"As", 1, 1}, {"Su", 3, 3}, {"Vy", 3, 3}, {"Ch", 2, 2},
                                 {"Up", 2, 2}, {"Dh", 8, 8}, {"Pa", 9, 9}};
    for (const ChartStyle style : {ChartStyle::kSouth, ChartStyle::kNorth}) {
        SCOPED_TRACE(std::string(ChartStyleName(style)));
        const ChartLayout layout = Delhi(style);
        int polylines = 0;
        const QByteArray svg = RenderChartSvg(layout, kChartImageSide, PaperChartColours());
        const std::vector<SvgText> texts = TextsOf(svg, &polylines);
        EXPECT_GE(polylines, static_cast<int>(layout.lines.size())) << "the grid is drawn as lines";
        EXPECT_FALSE(svg.contains("<image")) << "nothing is drawn as a picture";

        // Which sign's cell holds each label, judged by where its text starts; the label is
        // centred in its cell, so its left end lies inside too.
        std::map<std::string, const ChartCell*> cellOf;
        for (const SvgText& t : texts) {
            const QString abbreviation = t.text.left(2);
            const ChartPoint unit{t.at.x() / kChartImageSide, t.at.y() / kChartImageSide};
            for (const ChartCell& cell : layout.cells) {
                if (InsideOutline(unit, cell.outline) && t.text.contains(u'\u00B0'))
                    cellOf[abbreviation.toStdString()] = &cell;
            }
        }
        for (const Expected& e : expected) {
            ASSERT_TRUE(cellOf.count(e.abbreviation)) << e.abbreviation;
            EXPECT_EQ(cellOf[e.abbreviation]->sign, e.sign) << e.abbreviation;
            EXPECT_EQ(cellOf[e.abbreviation]->house, e.northHouse) << e.abbreviation;
        }
    }
}

// The layout sizes crowded labels from estimated advances; measured in the chart's font,
// each must fit its box, or the painter would shrink it below the layout's size.
TEST(ChartLabels, CrowdedLabelsFitTheirBoxesInTheChartFont) {
    constexpr double kSide = 1000;
    for (const ChartStyle style : {ChartStyle::kSouth, ChartStyle::kNorth}) {
        for (const int crowded : {0, 1, 2, 4}) {  // North: a diamond and three triangles
            ChartInput input;
            for (int b = 0; b < kChartBodyCount; ++b) {
                const auto body = static_cast<ChartBody>(b);
                input.placements.push_back(
                    {body, crowded, 29 - b, 48, IsGraha(body) && b % 2 == 0});
            }
            for (const double labelText : {0.0, 0.031}) {
                const ChartCell cell = LayoutChart(style, input, labelText).cells[crowded];
                QFont font(QStringLiteral("DejaVu Sans"));
                font.setPixelSize(static_cast<int>(cell.labels.front().textHeight * kSide));
                const QFontMetricsF metrics(font);
                for (const ChartLabel& label : cell.labels) {
                    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(label.text)),
                              label.box.width * kSide)
                        << ChartStyleName(style) << " sign " << crowded << ": " << label.text;
                }
            }
        }
    }
}

TEST(ChartImageFile, WritesPngAndSvgByTheNamesEndingAndRefusesOthers) {
    QTemporaryDir dir;
    const ChartLayout layout = Delhi(ChartStyle::kSouth);
    const std::string folder = dir.path().toStdString();

    EXPECT_TRUE(WriteChartImage(folder + "/chart.PNG", layout, PaperChartColours()).ok());
    const QImage png(QString::fromStdString(folder + "/chart.PNG"), "PNG");
    EXPECT_EQ(png.size(), QSize(kChartImageSide, kChartImageSide));
    EXPECT_EQ(png.pixelColor(375, 200), QColor(Qt::white));  // inside Aries, which is empty
    EXPECT_EQ(png.pixelColor(500, 125), QColor(Qt::black));  // on the line between Aries and Taurus

    EXPECT_TRUE(WriteChartImage(folder + "/chart.svg", layout, PaperChartColours()).ok());
    QFile svg(QString::fromStdString(folder + "/chart.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().startsWith("<?xml"));

    const FileWriteResult jpeg =
        WriteChartImage(folder + "/chart.jpg", layout, PaperChartColours());
    EXPECT_FALSE(jpeg.ok());
    EXPECT_NE(jpeg.error().find(".svg or .png"), std::string::npos) << jpeg.error();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder + "/chart.jpg")));

    const FileWriteResult missing =
        WriteChartImage(folder + "/no/such/folder/chart.png", layout, PaperChartColours());
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find("chart.png"), std::string::npos) << missing.error();
}

TEST(DrawChart, StaysInsideTheLargestCentredSquareOfAnyTarget) {
    const ChartLayout layout = Delhi(ChartStyle::kNorth);
    for (const QSize size : {QSize(300, 120), QSize(90, 400), QSize(1, 1), QSize(0, 0)}) {
        QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        ChartColours colours = WindowChartColours();
        colours.background = Qt::transparent;
        DrawChart(painter, layout, QRectF(QPointF(0, 0), QSizeF(size)), colours);
        painter.end();
        const int side = std::min(size.width(), size.height());
        const int left = (size.width() - side) / 2;
        const int top = (size.height() - side) / 2;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool inSquare =
                    x >= left - 1 && x <= left + side && y >= top - 1 && y <= top + side;
                if (!inSquare) {
                    ASSERT_EQ(image.pixelColor(x, y).alpha(), 0) << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tamovid
