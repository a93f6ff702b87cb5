#!/usr/bin/env bash
# Installs what Driftwing needs to build, play and test, from Debian's packages.
# Safe to run again: packages already present are left alone.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev qt6-tools-dev qt6-l10n-tools
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev libfluidsynth3 fluid-soundfont-gm
  fonts-wqy-microhei
  libgtest-dev googletest
  xvfb xauth xdotool clang-format clang-14 libclang-rt-14-dev
  # the icon's PNG sizes, the desktop files' validators, the .deb's dependencies
  librsvg2-bin desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: everything is installed"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
  else
    echo "setup: missing packages (${missing[*]}); run this script as root or install sudo" >&2
    exit 1
  fi
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
