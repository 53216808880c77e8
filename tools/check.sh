#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every check that CI
# runs: all tests, the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short run of the script reader's fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Build and test =="
cmake -S . -B build -DKALVEX_GUI=ON -DKALVEX_TESTS=ON -DKALVEX_BENCH=ON -DKALVEX_SANITIZE=OFF >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -DKALVEX_GUI=ON -DKALVEX_TESTS=ON -DKALVEX_SANITIZE=ON -DKALVEX_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Fuzzing the script reader =="
CXX=clang++ cmake -S . -B build-fuzz -DKALVEX_FUZZ=ON -DKALVEX_GUI=OFF -DKALVEX_TESTS=OFF \
  -DKALVEX_BENCH=OFF -DKALVEX_FUZZ_SECONDS="${KALVEX_FUZZ_SECONDS:-60}" >/dev/null
cmake --build build-fuzz -j"$jobs" --target run_fuzz_script_reader
