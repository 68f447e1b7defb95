#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, test and run,
# then configures and builds it in build/. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-multimedia-dev libqt6multimedia6
          libgtest-dev libgmock-dev googletest
          fonts-liberation xvfb xauth
          pulseaudio pulseaudio-utils
          desktop-file-utils appstream lintian dpkg-dev file fakeroot
          xdotool x11-utils imagemagick
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n python3
          qt6-charts-dev libqt6opengl6-dev
          at-spi2-core dbus-x11 python3-pyatspi gir1.2-atspi-2.0 openbox)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir"
