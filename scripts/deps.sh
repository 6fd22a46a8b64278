#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libgl-dev libpugixml-dev libcurl4-openssl-dev libjpeg62-turbo-dev libxcb1-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core xvfb x11-apps netpbm iputils-ping xdotool x11-xkb-utils
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
