#pragma once

#include <QColor>
#include <QRectF>

#include <array>

#include "tamovid/chartlayout/chart_layout.h"

class QPainter;

namespace tamovid {

/// The colours a chart is drawn in.
struct ChartColours {
    QColor background;  ///< filled behind the chart; transparent fills nothing
    QColor lines;
    QColor ascendantMark;
    QColor captions;  ///< sign names or numbers
    QColor centreText;
    std::array<QColor, kChartBodyCount> bodies;  ///< label colours by ChartBody
};

/// The main window's colours: light lines and text on its dark blue-green.
ChartColours WindowChartColours();
/// Black on white, for paper and for files.
ChartColours PaperChartColours();

/// Draws the chart into the largest square centred in target, at any size and on any
/// paint device. Labels are set in the sizes the layout gives them, shrunk only where a
/// box is too narrow for the font at hand. The lines about the birth in the middle are
/// sized to the square; a line too long is wrapped or shortened with an ellipsis rather
/// than made smaller than smallestText (device pixels) or a share of the square.
void DrawChart(QPainter& painter, const ChartLayout& layout, const QRectF& target,
               const ChartColours& colours, double smallestText = 0);

}  // namespace tamovid
