#!/bin/sh
# Renders the editor's icon res/kalvex.svg as the PNGs of the desktop's icon
# theme, res/icons/SIZExSIZE/kalvex.png. Needs rsvg-convert (librsvg2-bin).
# The PNGs are kept in the repository; run this after changing the SVG.
#   sh tools/make_icons.sh
set -eu
res=$(dirname "$0")/../res
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$res/icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" -o "$res/icons/${size}x${size}/kalvex.png" "$res/kalvex.svg"
done
