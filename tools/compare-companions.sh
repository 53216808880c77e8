#!/usr/bin/env bash
# Runs two builds of kalvex-tdf on the same records and scripts and fails on
# any difference in standard output, standard error, exit status or the files
# written. Usage: compare-companions.sh "REFERENCE COMMAND" "OTHER COMMAND" WORK_FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
reference=$1 other=$2 work=$3

rm -rf "$work" && mkdir -p "$work/scripts"
cd "$work"

# The scripts of the tests, with their line ends changed, and some odd ones.
cp "$root"/tests/data/*.tdf scripts/
sed 's/\r$//' "$root/tests/data/worked_example.tdf" >scripts/lf_line_ends.tdf
printf '// typed by hand\n[ ROCKET2 ]\n{ [damage] { default = 1 10 ; }\n  name = Rocket ; id=91;\n  soundwater=splash; rendertype=12; range=%s;\n}\n' \
  "$(printf '9%.0s' {1..60})" >scripts/odd_entries.tdf
printf '[\xC3\x84 B]\r\n{name= Ro/ck\tet \xC3\x9C ;ID=7 7;}' >scripts/high_bytes.tdf
printf 'ID=91;[GUN]{}' >scripts/no_header.tdf
printf '[X]{\x00\x1A\r\r\n\x1Aname=ctrl;}' >scripts/control_bytes.tdf
cp "$root/tests/data/worked_example.rec" record.rec
printf 'Weapcode=A;B\n' >bad.rec

runs=(
  "write - <record.rec"
  "write - <bad.rec"
  "write written.tdf <record.rec"
  "check scripts/*.tdf"
)
for script in scripts/*.tdf; do
  runs+=("dump $script" "normalize $script -" "normalize $script normalized.tdf")
done

differences=0
for run in "${runs[@]}"; do
  for side in reference other; do
    rm -f written.tdf normalized.tdf
    set +e
    eval "${!side} $run" >"$side.out" 2>"$side.err"
    echo "status $?" >>"$side.out"
    set -e
    cat written.tdf normalized.tdf >>"$side.out" 2>/dev/null || true
  done
  if ! cmp -s reference.out other.out || ! cmp -s reference.err other.err; then
    echo "differs: kalvex-tdf $run" >&2
    diff <(cat reference.out reference.err) <(cat other.out other.err) | head -20 >&2 || true
    differences=$((differences + 1))
  fi
done
echo "${#runs[@]} runs compared, $differences differ"
((differences == 0))
