#!/usr/bin/env bash
# Builds the four libFuzzer targets with clang (chart files, the atlas, zone files, the
# command-line tool's CSV) and runs each on its seeds for a while, so that a reader that
# fails on some input is caught where it is made. Any finding fails the script and leaves
# the input that caused it in the working folder.
#   scripts/fuzz.sh [SECONDS]   (default 30 each; two run at a time on two cores)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
build=build-fuzz
scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B "$build" -DTAMOVID_FUZZ=ON -DTAMOVID_BUILD_APP=OFF \
  -DTAMOVID_BUILD_TESTS=OFF -DTAMOVID_BUILD_BENCHMARKS=OFF -DTAMOVID_FUZZ_SECONDS="$seconds"
cmake --build "$build" -j"$(nproc)" --target chart_file_fuzzer atlas_fuzzer csv_fuzzer zone_fuzzer
# The runs themselves, each with its seeds and a corpus in the build folder.
# Their progress lines run to hundreds of kilobytes: they go to a log, and only the runs
# counted are shown, or the log's end when a fuzzer found something.
log="$build/fuzz.log"
if ! cmake --build "$build" -j"$(nproc)" --target fuzz_chart_file fuzz_atlas fuzz_csv fuzz_zone \
  >"$log" 2>&1; then
  tail -n 80 "$log"
  echo "fuzz.sh: a fuzzer failed; the whole output is in $log" >&2
  exit 1
fi
grep -E '^Done [0-9]+ runs|stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
