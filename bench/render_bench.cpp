// Times drawing one chart; run build/bench/tamovid_render_bench (no display needed).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <variant>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/render/chart_image.h"

namespace {

constexpr int kSide = 1000;

tamovid::ChartInput DelhiInput() {
    tamovid::BirthEntry e;
    e.txtName = "Asha";
    e.cboDate = 14;
    e.cboMonth = 7;
    e.cboYear = 46;
    e.cboTimeZone = 34;
    e.txtLatDeg = "28";
    e.txtLatMin = "39";
    e.optLat = tamovid::LatitudeOption::kNorth;
    e.txtLonDeg = "77";
    e.txtLonMin = "13";
    e.optLong = tamovid::LongitudeOption::kEast;
    e.txtCity = "New Delhi";
    e.txtState = "Delhi";
    e.txtCountry = "India";
    const auto reading = tamovid::Calculate(tamovid::ReadBirth(e, tamovid::BlankBirth()).value());
    return tamovid::ChartInputFromReading(reading);
}

// One chart onto a 1000 x 1000 image, the picture reused as a window would reuse its surface.
void BM_DrawChart1000(benchmark::State& state) {
    const auto style = static_cast<tamovid::ChartStyle>(state.range(0));
    const tamovid::ChartLayout layout = tamovid::LayoutChart(style, DelhiInput());
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        tamovid::DrawChart(painter, layout, QRectF(0, 0, kSide, kSide),
                           tamovid::WindowChartColours());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(style == tamovid::ChartStyle::kNorth ? "north" : "south");
}
BENCHMARK(BM_DrawChart1000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Layout alone, for comparison.
void BM_LayoutChart(benchmark::State& state) {
    const tamovid::ChartInput input = DelhiInput();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tamovid::LayoutChart(tamovid::ChartStyle::kNorth, input));
    }
}
BENCHMARK(BM_LayoutChart)->Unit(benchmark::kMicrosecond);

// Layout with all fifteen labels in one small North triangle: every way of setting them
// is tried, in both of its areas.
void BM_LayoutCrowdedChart(benchmark::State& state) {
    tamovid::ChartInput input;
    for (int b = 0; b < tamovid::kChartBodyCount; ++b) {
        input.placements.push_back({static_cast<tamovid::ChartBody>(b), 1, 29 - b, 30, b > 10});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(tamovid::LayoutChart(tamovid::ChartStyle::kNorth, input));
    }
}
BENCHMARK(BM_LayoutCrowdedChart)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    static char program[] = "tamovid_render_bench";
    static char platformFlag[] = "-platform";
    static char platform[] = "offscreen";
    static char* qtArgv[] = {program, platformFlag, platform, nullptr};
    int qtArgc = 3;
    QGuiApplication app(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
