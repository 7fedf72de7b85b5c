#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) and builds the
# program, its tools and its tests into build/. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

# qt6-webengine-dev and its helper process show the Landolt C page;
# qt6-svg-dev draws the program's icon. dpkg-dev (dpkg-shlibdeps) builds the
# Debian package; desktop-file-utils, appstream and file check it.
packages=(build-essential cmake qt6-base-dev libgl-dev fonts-liberation fonts-dejavu-core libbenchmark-dev
          qt6-webengine-dev libqt6webenginecore6-bin qt6-svg-dev
          dpkg-dev desktop-file-utils appstream file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
