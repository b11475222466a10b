// The place atlas: loading with the first search (the window's list after the first
// letters in the city field), further searches, short prefixes included, and the
// command-line tool's `--places` as a whole process.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "tamovid/atlas/atlas.h"

extern char** environ;

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

// The window lists matches from this many letters on, twelve at a time.
constexpr const char* kFirstLetters = "Pu";
constexpr std::size_t kListed = 12;

void BM_AtlasLoadAndFirstSearch(benchmark::State& state) {
    double added = -1;
    for (auto _ : state) {
        const double before = ResidentBytes();
        Atlas atlas = LoadOrDie();
        benchmark::DoNotOptimize(atlas.Search(kFirstLetters, kListed));
        // The first load tells: later ones partly reuse memory the earlier ones freed.
        if (added < 0) added = ResidentBytes() - before;
    }
    state.counters["added_MB"] = added / (1024 * 1024);
}
BENCHMARK(BM_AtlasLoadAndFirstSearch)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_AtlasSearch(benchmark::State& state, const char* query) {
    static const Atlas atlas = LoadOrDie();
    for (auto _ : state) benchmark::DoNotOptimize(atlas.Search(query, kListed));
}
BENCHMARK_CAPTURE(BM_AtlasSearch, pune, "Pune")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, two_letters_sa, "sa")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, two_letters_ba, "ba")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, one_letter_s, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, old_name, "Bombay")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, with_state, "Springfield, Illinois")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, with_abbreviation, "Pasadena, CA")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, with_country, "San, Spain")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AtlasSearch, short_with_country, "s, uk")->Unit(benchmark::kMicrosecond);

#ifdef TAMOVID_CLI_PROGRAM
// `tamovid-cli --places "Pune"` from start to exit, as a user waits for it.
void BM_CliPlacesProcess(benchmark::State& state) {
    char program[] = TAMOVID_CLI_PROGRAM;
    char option[] = "--places";
    char query[] = "Pune";
    char* argv[] = {program, option, query, nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) std::abort();
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("tamovid-cli failed");
    }
    posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_CliPlacesProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
#endif

}  // namespace
