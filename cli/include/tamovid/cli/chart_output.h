#pragma once

#include <string>
#include <string_view>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/chartfile/file_io.h"
#include "tamovid/chartlayout/chart_layout.h"

namespace tamovid::cli {

/// Whether a chart file name ends in .svg or .png (any case).
bool IsChartImageName(const std::string& path);

/// File name of the loadable part that draws charts; only --chart loads it.
inline constexpr std::string_view kChartModuleName = "tamovid-cli-chart.so";

/// Draws the reading's chart, black on white, to an SVG or PNG file chosen by the name's
/// ending. Needs no display: when the program has no QGuiApplication yet, one on the
/// offscreen platform lives for the length of the call.
FileWriteResult WriteReadingChart(const Reading& reading, ChartStyle style, const std::string& path);

}  // namespace tamovid::cli
