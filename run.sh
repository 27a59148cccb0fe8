#!/usr/bin/env bash
# Builds the program in Release and starts it. Arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

bin=build/release/bin
if [[ -x "$bin/korvane" ]]; then
    exec "$bin/korvane" "$@"
fi
# Until the main window exists, the headless client shows the example tournament.
exec "$bin/korvane-cli" info "${1:-$bin/beispiel.auf}"
