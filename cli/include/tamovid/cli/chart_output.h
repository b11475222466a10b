#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/cli/chart_extras.h"
#include "tamovid/base/file_io.h"
#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/grahas/graha.h"

namespace tamovid::cli {

/// Whether a chart file name ends in .svg or .png (any case).
bool IsChartImageName(const std::string& path);

/// Whether a file name ends in .pdf (any case).
bool IsPdfName(const std::string& path);

/// File name of the loadable part that draws charts and PDF readings; only --chart and
/// --pdf load it.
inline constexpr std::string_view kChartModuleName = "tamovid-cli-chart.so";

/// Draws the reading's chart, black on white, to an SVG or PNG file chosen by the name's
/// ending, with the grahas after the Sun and Gulika and Mandi when the reading holds
/// them. Needs no display: when the program has no QGuiApplication yet, one on the
/// offscreen platform lives for the length of the call.
FileWriteResult WriteReadingChart(const FullReading& full, ChartStyle style,
                                  const std::string& path);

/// Writes the printable reading as a PDF document on the paper of the system's locale,
/// replacing the file whole or leaving it as it was. zoneRow is the time-zone row the
/// reading was computed with; the parts it holds (the grahas, the birth-time window) are
/// printed too. Needs no display, as WriteReadingChart.
FileWriteResult WriteReadingPdfFile(const FullReading& full, int zoneRow, ChartStyle style,
                                    const std::string& path);

}  // namespace tamovid::cli
