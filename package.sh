#!/usr/bin/env bash
# Builds the Debian package in Release (the programs and manual pages only, no tests) and prints
# its path. Install it with: sudo apt install ./build/release/korvane_*.deb
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake --preset release >/dev/null
rm -f build/release/korvane_*.deb
cmake --build --preset release -j "$(nproc)" --target korvane_deb >&2
ls build/release/korvane_*.deb
