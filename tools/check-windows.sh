#!/usr/bin/env bash
# Cross-builds the core, its tests and kalvex-tdf.exe for 64-bit Windows with
# MinGW-w64, runs the tests under Wine, and checks that kalvex-tdf.exe needs
# no DLL beside it and gives the same bytes as the Linux build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs=$(nproc)
build=build-windows

echo "== Cross build for Windows =="
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DKALVEX_GUI=OFF -DKALVEX_TESTS=ON -DKALVEX_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs" --target kalvex-tdf core_tests tool_tests
tdf_exe="$build/tools/kalvex_tdf/kalvex-tdf.exe"

echo "== kalvex-tdf.exe stands alone =="
# Only DLLs that every Windows has may be imported.
imports=$(x86_64-w64-mingw32-objdump -p "$tdf_exe" | sed -n 's/^\s*DLL Name: //p')
unexpected=$(grep -viE '^(kernel32|msvcrt|advapi32|user32|shell32|ws2_32)\.dll$' <<<"$imports" || true)
if [[ -n "$unexpected" ]]; then
  echo "kalvex-tdf.exe needs DLLs that Windows does not have: $unexpected" >&2
  exit 1
fi

echo "== Wine =="
# A prefix of our own, made without a display: nothing opens a window.
export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wineserver -k 2>/dev/null || true  # a server left from an earlier run, with other settings
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  timeout 300 wineboot -i >/dev/null 2>&1
fi

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
ctest --test-dir "$build" --output-on-failure --timeout 600

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
