#!/usr/bin/env bash
# Set up a fresh Debian 12 machine, build Tamovid with its tests and run every test.
# --sanitize builds and runs everything under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  sanitize=ON
fi

scripts/setup.sh
cmake -S . -B "$build" -DTAMOVID_SANITIZE="$sanitize"
cmake --build "$build" -j"$(nproc)"
# Qt and fontconfig keep caches alive until exit; leak reports from them are noise.
export ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
