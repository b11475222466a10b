// The place atlas: loading with the first search (the window's first keystroke in the
// city field) and further searches, short prefixes included.

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "tamovid/atlas/atlas.h"

namespace {

using tamovid::atlas::Atlas;

/// Resident memory of this process in bytes.
double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0;
}

Atlas LoadOrDie() {
    auto loaded = Atlas::Load(TAMOVID_ATLAS_FILE);
    if (!loaded.ok()) std::abort();
    return std::move(loaded).value();
}

void BM_AtlasLoadAndFirstSearch(benchmark::State& state) {
    double added = -1;
    for (auto _ : state) {
        const double before = ResidentBytes();
        Atlas atlas = LoadOrDie();
        benchmark::DoNotOptimize(atlas.Search("Pune", 10));
        // The first load tells: later ones partly reuse memory the earlier ones freed.
        if (added < 0) added = ResidentBytes() - before;
    }
    state.counters["added_MB"] = added / (1024 * 1024);
}
BENCHMARK(BM_AtlasLoadAndFirstSearch)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_AtlasSearch(benchmark::State& state, const char* query) {
    static const Atlas atlas = LoadOrDie();
    for (auto _ : state) benchmark::DoNotOptimize(atlas.Search(query, 10));
}
BENCHMARK_CAPTURE(BM_AtlasSearch, pune, "Pune")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, two_letters_sa, "sa")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, two_letters_ba, "ba")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, one_letter_s, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, with_state, "Springfield, Illinois")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, with_country, "San, Spain")->Unit(benchmark::kMicrosecond);

}  // namespace
