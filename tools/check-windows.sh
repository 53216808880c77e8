#!/usr/bin/env bash
# Cross-builds the editor kalvex.exe, kalvex-tdf.exe and their tests for
# 64-bit Windows with MinGW-w64, runs the tests under Wine (the window cases
# in real windows on a virtual X display), and checks that both programs need
# no DLL beside them, that the stripped editor stays small, and that
# kalvex-tdf.exe gives the same bytes as the Linux build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs=$(nproc)
build=build-windows

echo "== Cross build for Windows =="
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKALVEX_WERROR=ON \
  -DKALVEX_GUI=ON -DKALVEX_TESTS=ON -DKALVEX_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target kalvex kalvex-tdf core_tests tool_tests \
  win32_window_cases kalvex-windows-zip
tdf_exe="$build/tools/kalvex_tdf/kalvex-tdf.exe"
editor_exe="$build/app/kalvex.exe"

echo "== kalvex.exe and kalvex-tdf.exe stand alone =="
# Only DLLs that every Windows has may be imported.
for exe in "$editor_exe" "$tdf_exe"; do
  imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  unexpected=$(grep -viE '^(kernel32|msvcrt|advapi32|user32|gdi32|shell32|comctl32|comdlg32|ws2_32)\.dll$' <<<"$imports" || true)
  if [[ -n "$unexpected" ]]; then
    echo "$exe needs DLLs that Windows does not have: $unexpected" >&2
    exit 1
  fi
done
stripped_size=$(stat -c %s "$build/kalvex-windows/kalvex.exe")
if ((stripped_size >= 3 * 1024 * 1024)); then
  echo "the stripped kalvex.exe has $stripped_size bytes, more than 3 MiB" >&2
  exit 1
fi
echo "stripped kalvex.exe: $stripped_size bytes; zip: $build/kalvex-windows.zip"

echo "== Wine =="
# A prefix of our own, made without a display: nothing opens a window.
export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wineserver -k 2>/dev/null || true  # a server left from an earlier run, with other settings
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  timeout 300 wineboot -i >/dev/null 2>&1
fi
# Windows that no window manager looks after: without one on the virtual
# display, Wine would wait two seconds for it at every window it closes.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

# A small disk of its own, as drive K:, for the tests of a full disk. Only
# root may mount one; without it those tests say so and are skipped.
small_disk="$PWD/$build/small-disk"
mkdir -p "$small_disk"
if mountpoint -q "$small_disk" || mount -t tmpfs -o size=64k,mode=0777 tmpfs "$small_disk" 2>/dev/null; then
  trap 'umount "$small_disk"' EXIT
  ln -sfn "$small_disk" "$WINEPREFIX/dosdevices/k:"
  export KALVEX_SMALL_DISK='K:\'
fi

echo "== Tests under Wine =="
# One virtual display for all: Wine's desktop process stays on it until the
# tests are over.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
  'ctest --test-dir "$1" --output-on-failure --timeout 600; status=$?; wineserver -k; exit $status' \
  tests "$build"

echo "== kalvex-tdf.exe agrees with the Linux build =="
# The Linux build of tools/check.sh when there is one, else one of our own.
linux_build=build
if [[ ! -f "$linux_build/CMakeCache.txt" ]]; then
  linux_build="$build/host"
  cmake -S . -B "$linux_build" -DKALVEX_GUI=OFF -DKALVEX_TESTS=OFF -DKALVEX_BENCH=OFF >/dev/null
fi
cmake --build "$linux_build" -j"$jobs" --target kalvex-tdf >/dev/null
linux_tdf="$linux_build/tools/kalvex_tdf/kalvex-tdf"
bash tools/compare-companions.sh "$PWD/$linux_tdf" "wine $PWD/$tdf_exe" "$build/compare"
wineserver -w  # Wine's server ends a few seconds after its last program
echo "Windows build: all checks passed."
