#!/usr/bin/env bash
# Draws all twenty pages of the editor into PNG files, on a virtual X server.
#   bash tools/page-screenshots.sh OUTPUT_FOLDER [SCRIPT.tdf]
# With a script the pages show its weapon (try tests/data/worked_example.tdf).
set -euo pipefail
if (($# < 1 || $# > 2)); then
  echo "usage: $0 OUTPUT_FOLDER [SCRIPT.tdf]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target kalvex-page-screenshots >/dev/null
xvfb-run -a -s "-screen 0 800x600x24" "$root/build/tools/page_screenshots/kalvex-page-screenshots" "$@"
