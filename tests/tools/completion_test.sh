#!/usr/bin/env bash
# The bash completion of kalvex-tdf: commands first, then options, then
# weapon scripts before other files. Usage: completion_test.sh COMPLETION
set -euo pipefail
source "$1"
cd "$(mktemp -d)"
trap 'rm -rf "$PWD"' EXIT
touch gun.tdf LOUD.TDF notes.txt
mkdir mods
failures=0

expect() {  # expect "WORDS..." "WANTED"
  local words=($1)
  COMP_WORDS=("${words[@]}")
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _kalvex_tdf
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd' ')
  if [[ $got != "$2" ]]; then
    echo "\"$1\": wanted \"$2\", got \"$got\"" >&2
    failures=$((failures + 1))
  fi
}

expect "kalvex-tdf " "--help --version apply check dump list normalize set table write"
expect "kalvex-tdf no" "normalize"
expect "kalvex-tdf dump " "LOUD.TDF gun.tdf mods"
expect "kalvex-tdf check gun.tdf " "LOUD.TDF gun.tdf mods"
expect "kalvex-tdf normalize n" "notes.txt"
expect "kalvex-tdf check --s" "--strict"
expect "kalvex-tdf write --" "--append --help"
expect "kalvex-tdf set gun.tdf --e" "--entry"
expect "kalvex-tdf set gun.tdf --a" "--all"
expect "kalvex-tdf set gun.tdf --where " ""
expect "kalvex-tdf dump --w" "--weapon"
expect "kalvex-tdf list " "LOUD.TDF gun.tdf mods"
expect "kalvex-tdf table mods --c" "--csv"
expect "kalvex-tdf table mods " "LOUD.TDF gun.tdf mods"
expect "kalvex-tdf table mods --keys " ""
expect "kalvex-tdf apply --d" "--dry-run"
expect "kalvex-tdf apply n" "notes.txt"
expect "kalvex-tdf frobnicate " ""
exit $((failures > 0))
