#!/bin/sh
# Builds the editor and starts it.
#   bash tools/run.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" -j2 --target kalvex
exec "$root/build/app/kalvex"
