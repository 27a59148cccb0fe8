#!/usr/bin/env bash
# Builds the program in Release and starts it. Arguments are passed on to the program.
# Only the program and its data are built, no tests or benchmarks.
set -euo pipefail
launch_dir=$PWD
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target korvane

# A file named relative to the folder run.sh was called from is found there.
program=$PWD/build/release/bin/korvane
cd "$launch_dir"
exec "$program" "$@"
