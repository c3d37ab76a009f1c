#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Velarcana need.
# Idempotent: quick when everything is already there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config clang libclang-rt-14-dev
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    libsdl2-mixer-dev fluidsynth fluid-soundfont-gm libcanberra-dev sound-theme-freedesktop
    libgtest-dev libgmock-dev libbenchmark-dev
    liberfa-dev libgif-dev fp-utils
    fonts-dejavu-core fonts-liberation fonts-symbola
    xvfb xauth trayer x11-utils x11-xserver-utils xfwm4 xdotool imagemagick dbus-daemon
    xsettingsd
    libxcb1-dev
    xdg-utils xchm
    desktop-file-utils hicolor-icon-theme gtk-update-icon-cache libglib2.0-bin libxml2-utils
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
