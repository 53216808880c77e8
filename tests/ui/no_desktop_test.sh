#!/usr/bin/env bash
# The editor without a desktop: with no display, or one that refuses the
# connection, it says so in one line and ends with status 3; offscreen it runs.
#   no_desktop_test.sh KALVEX
set -u
kalvex=$1
failures=0

expect_no_desktop() {
  local name=$1
  shift
  local err status
  err=$(env -i PATH="$PATH" "$@" timeout 20 "$kalvex" 2>&1 >/dev/null)
  status=$?
  if [[ $status -ne 3 || $(wc -l <<<"$err") -ne 1 || $err != "kalvex: the window needs a desktop"* ]]; then
    echo "FAIL $name: status $status, said: $err"
    failures=$((failures + 1))
  else
    echo "ok   $name: $err"
  fi
}

expect_no_desktop "no display"
expect_no_desktop "a display that refuses" DISPLAY=:7777
if ! grep -q 'neither DISPLAY nor WAYLAND_DISPLAY is set' <<<"$(env -i PATH="$PATH" "$kalvex" 2>&1)"; then
  echo "FAIL no display: the reason is not named"
  failures=$((failures + 1))
fi

# Offscreen the editor needs no display: it is still running when stopped.
env -i PATH="$PATH" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$(mktemp -d)" \
  timeout 3 "$kalvex" >/dev/null 2>&1
status=$?
if [[ $status -ne 124 ]]; then
  echo "FAIL offscreen: ended with status $status"
  failures=$((failures + 1))
else
  echo "ok   offscreen: still running after 3 s"
fi

echo "$((4 - failures)) passed, $failures failed"
((failures == 0))
