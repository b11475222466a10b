#include "tamovid/render/chart_image.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <string>

namespace tamovid {
namespace {

// An SVG's size is written in millimetres; at this density one pixel stays one pixel.
constexpr int kScreenDotsPerInch = 96;

std::string Description(const ChartLayout& layout) {
    std::string text;
    for (const std::string& sentence : DescribeCells(layout)) {
        if (!text.empty()) text += ' ';
        text += sentence;
    }
    return text;
}

}  // namespace

QImage RenderChartImage(const ChartLayout& layout, QSize size, const ChartColours& colours) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawChart(painter, layout, QRectF(QPointF(0, 0), QSizeF(size)), colours);
    return image;
}

QByteArray RenderChartSvg(const ChartLayout& layout, int side, const ChartColours& colours) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(side, side));
    svg.setResolution(kScreenDotsPerInch);
    svg.setViewBox(QRect(0, 0, side, side));
    svg.setTitle(QStringLiteral("Rasi chart"));
    svg.setDescription(QString::fromStdString(Description(layout)));
    QPainter painter(&svg);
    DrawChart(painter, layout, QRectF(0, 0, side, side), colours);
    painter.end();
    return bytes;
}

QByteArray EncodeChartImage(const ChartLayout& layout, ChartImageFormat format,
                            const ChartColours& colours) {
    if (format == ChartImageFormat::kSvg) return RenderChartSvg(layout, kChartImageSide, colours);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    RenderChartImage(layout, QSize(kChartImageSide, kChartImageSide), colours).save(&buffer, "PNG");
    return bytes;
}

FileWriteResult WriteChartImage(const std::filesystem::path& path, const ChartLayout& layout,
                                const ChartColours& colours) {
    const std::optional<ChartImageFormat> format = ChartImageFormatFor(path);
    if (!format) {
        return Failure{"The chart image \"" + path.string() +
                       "\" was not saved: its name must end in .svg or .png."};
    }
    const QByteArray bytes = EncodeChartImage(layout, *format, colours);
    if (bytes.isEmpty()) {
        return Failure{"The chart image \"" + path.string() +
                       "\" was not saved: it could not be drawn."};
    }
    return WriteFileAtomically(
        path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tamovid
