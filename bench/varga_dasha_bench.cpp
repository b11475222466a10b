// Times the sixteen divisional charts of every body of a chart together with the
// Vimshottari dasha; read the time per chart from the counters.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "tamovid/dasha/vimshottari.h"
#include "tamovid/vargas/varga.h"

namespace {

// The Ascendant, the nine grahas, the five points and the six time-based upagrahas.
constexpr std::size_t kBodies = 21;

void BM_SixteenChartsAndDasha(benchmark::State& state) {
    std::array<double, kBodies> longitudes{};
    std::array<tamovid::VargaSigns, kBodies> signs{};
    double birth = 2441629.5;
    int chart = 0;
    for (auto _ : state) {
        // A new chart each time, its bodies spread at odd steps; most lie beyond 360 deg
        // and so also pay for being taken round the circle.
        for (std::size_t b = 0; b < kBodies; ++b) {
            longitudes[b] = (chart * 7.31 + static_cast<double>(b) * 17.77);
        }
        ++chart;
        birth += 1.37;
        for (std::size_t b = 0; b < kBodies; ++b) signs[b] = tamovid::AllVargaSigns(longitudes[b]);
        const auto dasha = tamovid::CalcVimshottari(longitudes[2], birth);
        benchmark::DoNotOptimize(signs);
        benchmark::DoNotOptimize(dasha);
    }
    state.counters["charts"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SixteenChartsAndDasha);

}  // namespace
