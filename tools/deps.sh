#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need (bookworm).
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev
  libsqlcipher-dev libxlsxwriter-dev
  libgtest-dev
  dpkg-dev lintian
  poppler-utils python3 python3-openpyxl
  fonts-wqy-microhei xvfb xauth tzdata qt6-translations-l10n
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
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
