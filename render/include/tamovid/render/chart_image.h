#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <filesystem>

#include "tamovid/base/file_io.h"
#include "tamovid/chartlayout/image_format.h"
#include "tamovid/render/chart_painter.h"

namespace tamovid {

/// Side of a saved chart image, in pixels.
inline constexpr int kChartImageSide = 1000;

/// The chart as a picture of this size.
QImage RenderChartImage(const ChartLayout& layout, QSize size, const ChartColours& colours);

/// The chart as an SVG document: the grid as lines, every label as text.
QByteArray RenderChartSvg(const ChartLayout& layout, int side, const ChartColours& colours);

/// The chart as PNG or SVG bytes, kChartImageSide pixels square.
QByteArray EncodeChartImage(const ChartLayout& layout, ChartImageFormat format,
                            const ChartColours& colours);

/// Writes the chart to a file in the format its name's ending asks for, replacing the
/// file whole or leaving it as it was. A name with another ending is refused unwritten.
FileWriteResult WriteChartImage(const std::filesystem::path& path, const ChartLayout& layout,
                                const ChartColours& colours);

}  // namespace tamovid
