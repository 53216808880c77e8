#!/usr/bin/env bash
# Installs, with apt, whatever building, running and testing Kalvex needs on
# Debian 12 and is not installed yet. Run as root.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-dejavu-core
  xvfb xauth x11-utils imagemagick
  desktop-file-utils appstream shared-mime-info
  help2man lintian dpkg-dev file fakeroot bash-completion
  g++-mingw-w64-x86-64 googletest wine wine64 fonts-wine
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
