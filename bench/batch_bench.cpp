// Times the CSV batch path end to end: parse, check, compute, JSON out to a null sink.
// Read rows/s from the counters of build/bench/tamovid_bench.
#include <benchmark/benchmark.h>

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

std::string GeneratedCsv(int rows) {
    std::string csv = "name,date,time,zone,dst,lat,lon,city,state,country\n";
    for (int i = 0; i < rows; ++i) {
        const int year = 1901 + i % 150;
        const int month = 1 + i % 12;
        const int day = 1 + i % 28;
        char line[160];
        std::snprintf(line, sizeof line,
                      "Person %d,%04d-%02d-%02d,%d:%02d,%d,%d,%d%c%d,%d%c%d,"
                      "\"Springfield, North\",State,Country\n",
                      i, year, month, day, i % 25, i % 60, i % 71, i % 2, i % 90,
                      i % 3 == 0 ? 'S' : 'N', i % 60, i % 180, i % 2 == 0 ? 'E' : 'W', i % 60);
        csv += line;
    }
    return csv;
}

void BM_CsvBatch(benchmark::State& state) {
    const std::string csv = GeneratedCsv(kRows);
    NullBuffer nullBuffer;
    std::ostream sink(&nullBuffer);
    for (auto _ : state) {
        std::istringstream in(csv);
        const tamovid::cli::BatchResult result = tamovid::cli::RunBatch(in, sink);
        if (result.rows != kRows || result.failedRows != 0) state.SkipWithError("rows went wrong");
    }
    state.counters["rows"] = benchmark::Counter(static_cast<double>(state.iterations()) * kRows,
                                                benchmark::Counter::kIsRate);
}
// Real time: the JSON is written on a second thread, whose work the main thread's
// processor time would leave out.
BENCHMARK(BM_CsvBatch)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
