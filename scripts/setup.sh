#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the sample recordings need, only when missing.
set -euo pipefail
packages=(cmake g++ make pkg-config ccache
  qt6-base-dev qt6-charts-dev libgl-dev libsdl2-dev libsdl2-mixer-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev libssl-dev openssl
  espeak-ng lame sox libmpg123-dev libebur128-dev libespeak-ng-dev libmp3lame-dev zip unzip poppler-utils fonts-dejavu-core xvfb xauth
  desktop-file-utils appstream dpkg-dev file
  qcoro-qt6-dev libsamplerate0-dev libvorbis-dev libflac-dev libzstd-dev libsqlite3-dev libqt6sql6-sqlite
  libsonic-dev libaubio-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
