#!/usr/bin/env bash
# Renders the PNG icons from share/desktop/gridmoot.svg. The PNGs are kept in
# the repository so a build needs no drawing tool; run this after changing the
# SVG (needs rsvg-convert from the Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../share/desktop"
for size in 48 256; do
  rsvg-convert --width "$size" --height "$size" --output "gridmoot-$size.png" gridmoot.svg
done
