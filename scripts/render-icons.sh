#!/usr/bin/env bash
# Renders the PNG icons from data/icons/tamovid.svg; the results are committed.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" tamovid.svg -o "tamovid-$size.png"
done
