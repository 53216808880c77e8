#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it with apt, uses
# the installed programs, runs lintian on it (any error fails), removes it
# again and checks that nothing of it is left. Run as root.
#   bash tools/check-package.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
examples=$PWD/tests/data

echo "== Debian package =="
rm -f "$build"/kalvex_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(realpath "$build"/kalvex_*_amd64.deb)
echo "$(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"

echo "== lintian =="
lintian --display-level ">=warning" "$deb" | tee "$build/lintian.txt"
if grep -q '^E:' "$build/lintian.txt"; then
  echo "lintian reports errors for $(basename "$deb")" >&2
  exit 1
fi

if dpkg-query -W -f='${Status}' kalvex 2>/dev/null | grep -q 'install ok installed'; then
  echo "kalvex is installed already; remove it first" >&2
  exit 1
fi

echo "== Install =="
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
files=$(dpkg -L kalvex)

work=$(mktemp -d)
remove_package() {
  apt-get purge -y -qq kalvex >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap remove_package EXIT

echo "== The installed programs =="
/usr/bin/kalvex-tdf --help >/dev/null
/usr/bin/kalvex-tdf write "$work/example.tdf" <"$examples/worked_example.rec"
cmp "$work/example.tdf" "$examples/worked_example.tdf"
/usr/bin/kalvex-tdf dump "$work/example.tdf" >"$work/example.dump"
cmp "$work/example.dump" "$examples/worked_example.dump"
man -l /usr/share/man/man1/kalvex-tdf.1.gz >/dev/null
/usr/bin/kalvex --version >/dev/null

# The editor, offscreen, opening the worked example: it must still be
# running (exit 124 from timeout) and have printed nothing but the offscreen
# plugin's own remark.
status=0
env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" \
  timeout 3 /usr/bin/kalvex "$work/example.tdf" 2>"$work/editor.err" || status=$?
noise=$(grep -v 'propagateSizeHints' "$work/editor.err" || true)
if [[ $status -ne 124 || -n "$noise" ]]; then
  echo "the installed editor did not start (status $status): $noise" >&2
  exit 1
fi

echo "== Remove =="
apt-get purge -y -qq kalvex >/dev/null
trap 'rm -rf "$work"' EXIT
left=()
while IFS= read -r path; do
  # Folders the package shares with others (/usr/share/man ...) stay.
  if [[ -e $path && ! -d $path ]] || [[ -d $path && $path == */kalvex ]]; then
    left+=("$path")
  fi
done <<<"$files"
if ((${#left[@]})); then
  printf 'left behind after removal: %s\n' "${left[@]}" >&2
  exit 1
fi
echo "installed $(grep -c . <<<"$files") paths; none of the package's files is left"
