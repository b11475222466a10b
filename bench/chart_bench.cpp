// Times whole charts; run build/bench/tamovid_bench and read charts/s from the counters.
#include <benchmark/benchmark.h>

#include <string>

#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"
#include "tamovid/precise/nine_grahas.h"
#include "tamovid/precise/precise_positions.h"
#include "tamovid/timewindow/time_window.h"

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

namespace {

// The birth-time window of one chart, near a change of the Ascendant's sign. Targets:
// 5 ms with the classic engine, 50 ms with the precise one.
tamovid::timewindow::WindowChart WindowBirth(tamovid::Engine engine, bool withGrahas) {
    tamovid::timewindow::WindowChart chart;
    tamovid::BirthRecord& r = chart.record;
    r.intYear = 2021;
    r.intMonth = 3;
    r.intDate = 14;
    r.intHour = 1;
    r.intMinute = 59;
    r.vntZoneHour = 5;  // Eastern Standard Time
    r.intLonDeg = 74;
    r.intLatDeg = 40;
    r.intLatMin = 43;
    chart.options.engine = engine;
    chart.withGrahas = withGrahas;
    chart.tz = "America/New_York";
    return chart;
}

// Arguments: engine (0 classic, 1 precise), nine grahas (0/1), coarse step in minutes
// (1 tries every minute).
void BM_TimeWindow(benchmark::State& state) {
    const auto engine = state.range(0) == 0 ? tamovid::Engine::kClassic : tamovid::Engine::kPrecise;
    const int step = static_cast<int>(state.range(2));
    const auto chart = WindowBirth(engine, state.range(1) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tamovid::timewindow::ComputeTimeWindow(chart, step));
    }
    state.SetLabel(std::string(tamovid::EngineName(engine)) +
                   (state.range(1) != 0 ? " + grahas" : "") + ", step " + std::to_string(step));
}
BENCHMARK(BM_TimeWindow)
    ->Args({0, 0, 1})
    ->Args({0, 0, tamovid::timewindow::kDefaultStepMinutes})
    ->Args({0, 1, tamovid::timewindow::kDefaultStepMinutes})
    ->Args({1, 0, 1})
    ->Args({1, 0, tamovid::timewindow::kDefaultStepMinutes})
    ->Args({1, 1, 1})
    ->Args({1, 1, tamovid::timewindow::kDefaultStepMinutes})
    ->Unit(benchmark::kMillisecond);

}  // namespace
