#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every check that CI
# runs: the house rules (formatting, Qt only in its layer), all tests in a
# GCC release build and in a Clang build with AddressSanitizer and
# UndefinedBehaviorSanitizer (both with warnings as errors), the Debian
# package installed, used and removed, the Windows cross build tested under
# Wine, and a short run of the script reader's fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
bash tools/check-house-rules.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== GCC release build and tests =="
# Built with Debian's hardening flags, as a package build would be.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXX=g++ CC=gcc cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKALVEX_WERROR=ON \
  -DKALVEX_GUI=ON -DKALVEX_TESTS=ON -DKALVEX_BENCH=ON -DKALVEX_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Debian package =="
bash tools/check-package.sh build

echo "== Clang build with AddressSanitizer and UndefinedBehaviorSanitizer, and tests =="
CXX=clang++ CC=clang cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKALVEX_WERROR=ON \
  -DKALVEX_GUI=ON -DKALVEX_TESTS=ON -DKALVEX_BENCH=OFF -DKALVEX_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Windows =="
bash tools/check-windows.sh

echo "== Fuzzing the script reader =="
CXX=clang++ cmake -S . -B build-fuzz -DKALVEX_FUZZ=ON -DKALVEX_GUI=OFF -DKALVEX_TESTS=OFF \
  -DKALVEX_BENCH=OFF -DKALVEX_FUZZ_SECONDS="${KALVEX_FUZZ_SECONDS:-60}" >/dev/null
cmake --build build-fuzz -j"$jobs" --target run_fuzz_script_reader
