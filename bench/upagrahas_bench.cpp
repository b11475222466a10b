// The six time-based upagrahas with the chart they belong to. The target is 150 us of
// CPU for the chart and the six together.
#include <benchmark/benchmark.h>

#include "tamovid/positions/sun.h"
#include "tamovid/precise/precise_positions.h"
#include "tamovid/upagrahas/upagrahas.h"

namespace {

// Births over the years, the seasons, the hours and the inhabited latitudes.
tamovid::BirthRecord Birth(int i) {
    tamovid::BirthRecord r;
    r.intYear = static_cast<std::int16_t>(1901 + i % 150);
    r.intMonth = static_cast<std::int16_t>(1 + i % 12);
    r.intDate = static_cast<std::int16_t>(1 + i % 28);
    r.intHour = static_cast<std::int16_t>(i % 24);
    r.intMinute = static_cast<std::int16_t>(i % 60);
    r.vntZoneHour = static_cast<std::int16_t>(-(i % 12));
    r.intLonDeg = static_cast<std::int16_t>(i % 180);
    r.intLatDeg = static_cast<std::int16_t>(i % 56);
    r.blnEast = i % 2 == 0;
    r.blnSouth = i % 3 == 0;
    return r;
}

void Rate(benchmark::State& state) {
    state.counters["charts"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ClassicChartWithUpagrahas(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const tamovid::BirthRecord record = Birth(i++);
        const tamovid::AscendantResult ascendant = tamovid::CalcAscendant(record);
        benchmark::DoNotOptimize(tamovid::CalcPlanets(record, ascendant));
        benchmark::DoNotOptimize(tamovid::upagrahas::CalcUpagrahas(
            tamovid::upagrahas::ChartOf(record, {}, ascendant.ascendant)));
    }
    Rate(state);
}
BENCHMARK(BM_ClassicChartWithUpagrahas);

void BM_PreciseChartWithUpagrahas(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const tamovid::BirthRecord record = Birth(i++);
        const auto chart = tamovid::precise::CalcPrecisePositions(record);
        benchmark::DoNotOptimize(tamovid::upagrahas::CalcUpagrahas(tamovid::upagrahas::ChartOf(
            record, tamovid::OptionsFor(tamovid::Engine::kPrecise), chart.ascendantSidereal)));
    }
    Rate(state);
}
BENCHMARK(BM_PreciseChartWithUpagrahas);

}  // namespace
