#!/usr/bin/env bash
# Checks the rules of the house that the compiler does not: every C++ file is
# formatted as .clang-format says, and nothing above the windowing layer
# knows Qt (only platform/qt/, the Qt-only tests in tests/ui/, the Qt-only
# benchmark programs and the page screenshot tool may include or name it).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')

echo "== clang-format =="
clang-format --dry-run --Werror "${sources[@]}"

echo "== Qt only in its own layer =="
qt_allowed='^(platform/qt/|tests/ui/|tools/page_screenshots/|bench/(open_file_bench|page_switch_bench|startup_main)\.cpp$)'
qt_names='#[[:space:]]*include[[:space:]]*[<"](Q|qt)|\bQ[A-Z][A-Za-z]+\b|\bQ_[A-Z_]+\b|\bQt::|\bq(App|Debug|Warning|Critical|Fatal)\b'
found=0
for file in "${sources[@]}"; do
  [[ $file =~ $qt_allowed ]] && continue
  if grep -nHE "$qt_names" "$file"; then found=1; fi
done
if ((found)); then
  echo "Qt is named outside platform/qt/ and the Qt-only programs (lines above)." >&2
  exit 1
fi
