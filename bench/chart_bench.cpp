// Times whole charts; run build/bench/tamovid_bench and read charts/s from the counters.
#include <benchmark/benchmark.h>

#include <string>

#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"
#include "tamovid/precise/nine_grahas.h"
#include "tamovid/precise/precise_positions.h"

namespace {

tamovid::BirthRecord SampleBirth(int i) {
    tamovid::BirthRecord r;
    r.intYear = static_cast<std::int16_t>(1901 + i % 150);
    r.intMonth = static_cast<std::int16_t>(1 + i % 12);
    r.intDate = static_cast<std::int16_t>(1 + i % 28);
    r.intHour = static_cast<std::int16_t>(i % 25);
    r.intMinute = static_cast<std::int16_t>(i % 60);
    const auto row = static_cast<std::size_t>(i) % tamovid::kTimeZoneCount;
    r.vntZoneHour = tamovid::intTZHours[row];
    r.vntZoneMinute = tamovid::intTZMinutes[row];
    r.intLonDeg = static_cast<std::int16_t>(i % 180);
    r.intLatDeg = static_cast<std::int16_t>(i % 60);
    r.blnEast = i % 2 == 0;
    return r;
}

void BM_AscendantAndSun(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const tamovid::BirthRecord record = SampleBirth(i++);
        const tamovid::AscendantResult ascendant = tamovid::CalcAscendant(record);
        benchmark::DoNotOptimize(tamovid::CalcPlanets(record, ascendant));
    }
    state.counters["charts"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AscendantAndSun);

// The same births through the precise engine, for comparison with the classic one above.
void BM_PreciseAscendantAndSun(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tamovid::precise::CalcPrecisePositions(SampleBirth(i++)));
    }
    state.counters["charts"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PreciseAscendantAndSun);

// A whole precise reading: the Ascendant and the nine grahas, with the data files where
// installed (the label says which). The target is 100 us of CPU a reading.
void BM_PreciseNineGrahas(benchmark::State& state) {
    int i = 0;
    tamovid::precise::EphemerisSource source = tamovid::precise::EphemerisSource::kDataFiles;
    for (auto _ : state) {
        const auto chart = tamovid::precise::CalcPreciseGrahas(SampleBirth(i++));
        source = chart.ephemeris;
        benchmark::DoNotOptimize(chart);
    }
    state.SetLabel(std::string(tamovid::precise::EphemerisKey(source)));
    state.counters["charts"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PreciseNineGrahas);

// The classic engine's chart with the other seven grahas from the ephemeris.
void BM_ClassicNineGrahas(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tamovid::precise::CalcClassicGrahas(SampleBirth(i++)));
    }
    state.counters["charts"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ClassicNineGrahas);

}  // namespace
