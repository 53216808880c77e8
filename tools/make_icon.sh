#!/bin/sh
# Draws the editor's icon, a rocket climbing to the upper right with its
# exhaust flame, as a 32 by 32 PNG in 16 colours. Needs ImageMagick.
#   sh tools/make_icon.sh [output.png]     (default: res/kalvex.png)
set -eu
out=${1:-$(dirname "$0")/../res/kalvex.png}

# Drawn lying down on a 128 by 128 canvas, turned by 45 degrees, then shrunk.
convert -size 128x128 xc:none \
  -stroke '#1e1e28' -strokewidth 3 \
  -fill '#ff7800' -draw 'polygon 0,64 14,52 30,48 30,80 14,76' \
  -fill '#ffe040' -stroke none -draw 'polygon 10,64 20,56 30,54 30,74 20,72' \
  -stroke '#1e1e28' -strokewidth 4 \
  -fill '#46505f' -draw 'polygon 30,56 54,56 38,30 28,30' \
  -fill '#46505f' -draw 'polygon 30,72 54,72 38,98 28,98' \
  -fill '#d2d7dc' -draw 'rectangle 30,53 98,75' \
  -fill '#8c96a0' -stroke none -draw 'rectangle 32,67 96,73' \
  -fill '#c81e1e' -stroke '#1e1e28' -strokewidth 4 -draw 'polygon 98,53 124,64 98,75' \
  -fill '#c81e1e' -stroke none -draw 'rectangle 82,55 88,73' \
  -background none -rotate -45 -gravity center -extent 128x128 +repage \
  -resize 32x32 \
  -channel A -threshold 50% +channel \
  -colors 16 -define png:bit-depth=4 -define png:color-type=3 \
  "PNG8:$out"
