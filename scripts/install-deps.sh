#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need, and only what is missing.
# Runs as root (CI) or through sudo when a developer runs it as a normal user.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6sql6-sqlite libqt6sql6-psql
  libsqlite3-dev
  libqt6svg6 breeze-icon-theme
  postgresql
  libgl-dev
  libqrencode-dev
  libzbar-dev
  libxlsxwriter-dev
  libzip-dev
  libsodium-dev
  python3-openpyxl
  fonts-liberation fonts-dejavu-core
  poppler-utils xvfb xauth xdotool
  cups-daemon cups-client
  xdg-utils
  qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
