#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Quenmar need, when any is
# missing. As root it runs apt-get itself; otherwise it prints the exact line to run and stops.
set -euo pipefail

packages=(
  cmake make g++ pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev
  nlohmann-json3-dev libcli11-dev
  fonts-nanum-coding fonts-dejavu-core
  xvfb xauth x11-apps imagemagick
  desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Quenmar needs these Debian packages; install them as root, then run this again:" >&2
  echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
