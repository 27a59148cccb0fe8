#!/usr/bin/env bash
# Renders the program icon data/icons/org.korvane.Korvane.svg into the PNG sizes of the icon
# theme; run by hand after a change of the drawing (needs rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" org.korvane.Korvane.svg -o "hicolor/${size}x${size}/apps/org.korvane.Korvane.png"
done
