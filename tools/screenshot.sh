#!/bin/sh
# Takes a PNG screenshot of the editor's main window on a virtual X server.
#   sh tools/screenshot.sh OUTPUT.png [EDITOR]     (EDITOR: build/app/kalvex)
# Needs xvfb-run, xwininfo and ImageMagick's import.
set -eu
if [ $# -lt 1 ]; then
  echo "usage: $0 OUTPUT.png [EDITOR]" >&2
  exit 2
fi
out=$1
editor=${2:-$(dirname "$0")/../build/app/kalvex}
title="Cindervale Weapon Editor"

xvfb-run -a -s "-screen 0 800x600x24" sh -c '
  editor=$1 out=$2 title=$3
  "$editor" &
  pid=$!
  tries=0
  until xwininfo -name "$title" >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then
      echo "the editor did not show its window" >&2
      kill $pid
      exit 1
    fi
    sleep 0.1
  done
  sleep 0.5  # let it paint
  import -window "$title" "$out"
  kill $pid
' screenshot "$editor" "$out" "$title"
