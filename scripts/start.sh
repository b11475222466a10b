#!/usr/bin/env bash
# Set up a fresh Debian 12 machine, build Tamovid and start it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DTAMOVID_BUILD_TESTS=OFF -DTAMOVID_BUILD_BENCHMARKS=OFF
cmake --build build -j"$(nproc)" --target tamovid
exec build/app/tamovid "$@"
