// Times the JSON of readings alone, without parsing or computing: one reading through a
// writer kept for the batch, one through a fresh writer, and the string escaping.
// Read bytes/s and readings/s from the counters of build/bench/tamovid_bench.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/cli/json_writer.h"
#include "tamovid/cli/reading_output.h"

namespace {

constexpr int kReadings = 256;

/// Readings over many dates, places and zones, so that every house and sign is written.
std::vector<tamovid::Reading> SampleReadings() {
    std::vector<tamovid::Reading> readings;
    for (int i = 0; i < kReadings; ++i) {
        const tamovid::BirthEntry entry{.txtName = "Person " + std::to_string(i),
                                        .cboDate = i % 28,
                                        .cboMonth = i % 12,
                                        .cboYear = i % 150,
                                        .cboHour = i % 25,
                                        .cboMinute = (i * 7) % 60,
                                        .cboTimeZone = i % 71,
                                        .txtLatDeg = std::to_string(i % 70),
                                        .txtLatMin = "0",
                                        .txtLonDeg = std::to_string(i % 180),
                                        .txtLonMin = "30",
                                        .txtCity = "Springfield, North",
                                        .txtState = "State",
                                        .txtCountry = "Country",
                                        .utcOffsetMinutes = std::nullopt,
                                        .tz = {}};
        readings.push_back(tamovid::Calculate(tamovid::ReadBirth(entry, tamovid::BlankBirth()).value()));
    }
    return readings;
}

void Count(benchmark::State& state, std::size_t bytes) {
    state.counters["readings"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

// As the batch writes: one writer for all rows, appended to one reused buffer.
void BM_ReadingJsonKeptWriter(benchmark::State& state) {
    const std::vector<tamovid::Reading> readings = SampleReadings();
    tamovid::cli::ReadingJsonWriter writer;
    std::string text;
    std::size_t bytes = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        text.clear();
        writer.Append(text, readings[i++ % readings.size()], i);
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    Count(state, bytes);
}
BENCHMARK(BM_ReadingJsonKeptWriter);

// As a single chart writes: a fresh writer and a fresh string.
void BM_ReadingJsonText(benchmark::State& state) {
    const std::vector<tamovid::Reading> readings = SampleReadings();
    std::size_t bytes = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string text = tamovid::cli::ReadingJsonText(readings[i++ % readings.size()]);
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    Count(state, bytes);
}
BENCHMARK(BM_ReadingJsonText);

// A point's interpretation, the longest text a reading holds, escaped as a string.
void BM_JsonString(benchmark::State& state) {
    const std::string value(SampleReadings().front().grahas.points[0].interpretation);
    std::string text;
    std::size_t bytes = 0;
    for (auto _ : state) {
        text.clear();
        tamovid::cli::AppendJsonString(text, value);
        bytes += value.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_JsonString);

}  // namespace
