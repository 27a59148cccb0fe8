#!/usr/bin/env bash
# Builds everything and runs every test, then the core tests again under the sanitizers, then
# builds the Debian package and runs the programs unpacked from it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset dev >/dev/null
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs" --target korvane_core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j "$jobs"

# The package needs a Release build of the programs (the tree ./run.sh uses).
tests/install/check_package.sh "$(./package.sh)"
