#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DKALVEX_GUI=ON >/dev/null
cmake --build build -j"$(nproc)" --target kalvex

# A desktop session gives every program a private runtime folder; a bare
# root shell does not, and Qt would complain about it.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" || -n "${QT_QPA_PLATFORM:-}" ]]; then
  exec build/app/kalvex
fi
echo "No display found: starting the editor on a virtual X display (xvfb-run)."
exec xvfb-run -a build/app/kalvex
