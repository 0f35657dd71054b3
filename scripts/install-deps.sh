#!/usr/bin/env bash
# Installs every Debian package that building, playing and testing Velmora needs, and any further packages named
# on the command line. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  libglfw3-dev libglew-dev libglm-dev libassimp-dev libdevil-dev libpng-dev
  libopenal-dev libopenal1 libsndfile1-dev
  libfreetype-dev fonts-dejavu-core
  libgtest-dev
  xvfb xauth xdotool x11-apps x11-utils openbox imagemagick libgl1-mesa-dri python3
  lintian appstream desktop-file-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
