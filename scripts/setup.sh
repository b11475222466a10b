#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tamovid need.
# Only missing packages are installed; runs apt-get through sudo when not root.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  libcctz-dev tzdata iso-codes
  xvfb xauth fonts-dejavu-core
  poppler-utils
  clang libclang-rt-14-dev
  libswe-dev swe-basic-data  # the ephemeris library and its data files for 1800-2400
  liberfa-dev  # only the precise engine's accuracy test links it, as an independent check
  dpkg-dev desktop-file-utils appstream shared-mime-info xdg-utils libglib2.0-bin hicolor-icon-theme
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
