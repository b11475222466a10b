// Times the CSV batch path end to end: parse, check, compute, JSON out to a null sink.
// Read rows/s from the counters of build/bench/tamovid_bench.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "tamovid/cli/batch.h"

namespace {

constexpr int kRows = 100'000;

/// Accepts and forgets everything, so only the batch itself is timed.
class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

/// With `zones`, every other row takes its offset from a time zone at its own date (a
/// tz column) instead of from a zone row, as scripts/batch-speed.sh -z does.
std::string GeneratedCsv(int rows, bool zones) {
    static constexpr std::array<const char*, 6> kZones = {
        "America/New_York", "Europe/London",  "Asia/Kolkata",
        "Australia/Sydney", "Asia/Kathmandu", "America/Sao_Paulo"};
    std::string csv = "name,date,time,zone,dst,lat,lon,city,state,country";
    csv += zones ? ",tz\n" : "\n";
    for (int i = 0; i < rows; ++i) {
        const int year = 1901 + i % 150;
        const int month = 1 + i % 12;
        const int day = 1 + i % 28;
        const bool tz = zones && i % 2 == 1;
        char zone[8] = "";
        char dst[4] = "";
        if (!tz) {
            std::snprintf(zone, sizeof zone, "%d", i % 71);
            std::snprintf(dst, sizeof dst, "%d", i % 2);
        }
        const std::string extra = !zones ? "" : tz ? std::string(",") + kZones[(i / 2) % 6] : ",";
        char line[200];
        std::snprintf(line, sizeof line,
                      "Person %d,%04d-%02d-%02d,%d:%02d,%s,%s,%d%c%d,%d%c%d,"
                      "\"Springfield, North\",State,Country%s\n",
                      i, year, month, day, i % 25, i % 60, zone, dst, i % 90,
                      i % 3 == 0 ? 'S' : 'N', i % 60, i % 180, i % 2 == 0 ? 'E' : 'W', i % 60,
                      extra.c_str());
        csv += line;
    }
    return csv;
}

/// state.range(0): 1 for the CSV with tz rows.
void BM_CsvBatch(benchmark::State& state) {
    const bool zones = state.range(0) != 0;
    const std::string csv = GeneratedCsv(kRows, zones);
    NullBuffer nullBuffer;
    std::ostream sink(&nullBuffer);
    std::size_t failed = 0;
    for (auto _ : state) {
        std::istringstream in(csv);
        const tamovid::cli::BatchResult result = tamovid::cli::RunBatch(in, sink);
        failed = result.failedRows;
        if (result.rows != kRows) state.SkipWithError("rows went wrong");
    }
    // Without zones every row is a chart; with them a few clock times fall in a change.
    if (!zones && failed != 0) state.SkipWithError("rows were refused");
    state.counters["rows"] = benchmark::Counter(static_cast<double>(state.iterations()) * kRows,
                                                benchmark::Counter::kIsRate);
}
// Real time: the charts are calculated and their JSON written on a second thread as well,
// whose work the main thread's processor time would leave out.
BENCHMARK(BM_CsvBatch)->ArgName("tz")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
