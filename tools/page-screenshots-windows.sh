#!/usr/bin/env bash
# Draws all twenty pages of the Windows editor, as Wine shows them, into PNG
# files on a virtual X display.
#   bash tools/page-screenshots-windows.sh OUTPUT_FOLDER [SCRIPT.tdf]
# With a script the pages show its weapon (try tests/data/worked_example.tdf).
set -euo pipefail
if (($# < 1 || $# > 2)); then
  echo "usage: $0 OUTPUT_FOLDER [SCRIPT.tdf]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-windows"
out=$(mkdir -p "$1" && cd "$1" && pwd)
script=${2:+$(cd "$(dirname "$2")" && pwd)/$(basename "$2")}
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target kalvex-page-screenshots >/dev/null

export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  DISPLAY= timeout 300 wineboot -i >/dev/null 2>&1
fi
# Wine draws the frames itself: there is no window manager on the display.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
bitmaps=$(mktemp -d)
trap 'rm -rf "$bitmaps"' EXIT
xvfb-run -a -s "-screen 0 800x600x24" bash -c \
  'wine "$1" "$2" ${3:+"$3"}; status=$?; wineserver -k; exit $status' \
  shots "$build/tools/page_screenshots/kalvex-page-screenshots.exe" "$bitmaps" "$script"
for bitmap in "$bitmaps"/page_*.bmp; do
  convert "$bitmap" -alpha off "$out/$(basename "${bitmap%.bmp}").png"
done
echo "$(ls "$out"/page_*.png | wc -l) pages in $out"
