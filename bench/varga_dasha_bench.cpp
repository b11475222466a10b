// Times the sixteen divisional charts of every body of a chart together with the
// Vimshottari dasha, by the path the full reading takes once the grahas are known; read
// the time per chart from the counters.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "tamovid/dasha/vimshottari.h"
#include "tamovid/fullreading/varga_bodies.h"

namespace {

// The six time-based upagrahas, which the reading appends after the table's bodies.
constexpr std::size_t kMoreBodies = 6;

void BM_SixteenChartsAndDasha(benchmark::State& state) {
    tamovid::GrahaTable table;
    double birth = 2441629.5;
    int chart = 0;
    for (auto _ : state) {
        // A new chart each time, its bodies spread at odd steps; most lie beyond 360 deg
        // and so also pay for being taken round the circle.
        for (std::size_t b = 0; b < table.rows.size(); ++b) {
            table.rows[b].position.longitude = chart * 7.31 + static_cast<double>(b) * 17.77;
        }
        table.grahas[tamovid::GrahaIndex(tamovid::Graha::kMoon)].longitude = chart * 13.17;
        ++chart;
        birth += 1.37;
        std::vector<tamovid::VargaBody> bodies = tamovid::VargaBodiesOf(table);
        for (std::size_t b = 0; b < kMoreBodies; ++b) {
            bodies.push_back(tamovid::VargaBodyOf("Gulika", "Gu", chart * 3.7 + static_cast<double>(b) * 29.3));
        }
        const auto dasha = tamovid::CalcVimshottari(
            table.grahas[tamovid::GrahaIndex(tamovid::Graha::kMoon)].longitude, birth);
        benchmark::DoNotOptimize(bodies);
        benchmark::DoNotOptimize(dasha);
    }
    state.counters["charts"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SixteenChartsAndDasha);

}  // namespace
