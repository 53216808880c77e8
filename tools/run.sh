#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it on your desktop.
#   bash tools/run.sh [FILE]      (FILE: a weapon script to open at start)
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DKALVEX_GUI=ON >/dev/null
cmake --build build -j"$(nproc)" --target kalvex

# Without a desktop nobody would see the window, and the shell would wait on it.
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  cat >&2 <<'TEXT'
The editor needs a desktop session, and this shell has none (neither DISPLAY
nor WAYLAND_DISPLAY is set). Run tools/run.sh from a terminal of your desktop,
or log in with X forwarding (ssh -X) and run it there.

To see the editor without a desktop, take its pictures on a virtual display:
  bash tools/screenshot.sh editor.png
  bash tools/page-screenshots.sh pages/ tests/data/worked_example.tdf
TEXT
  exit 1
fi

# A desktop session gives every program a private runtime folder; a bare
# root shell does not, and Qt would complain about it. Ours goes when the
# editor ends.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf -- "$XDG_RUNTIME_DIR"' EXIT
fi

build/app/kalvex "$@"
