#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run, or
# the packages named on the command line.
# Idempotent: asks apt-get only for what is missing.
set -euo pipefail

game_packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev
  qt6-l10n-tools qt6-translations-l10n  # lupdate and lrelease; the toolkit's own words
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev
  appstream desktop-file-utils   # checks of the menu entry and metainfo
  dpkg-dev file                  # make package: dependencies from dpkg-shlibdeps
)
if [ $# -gt 0 ]; then packages=("$@"); else packages=("${game_packages[@]}"); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
