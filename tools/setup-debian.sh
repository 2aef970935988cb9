#!/usr/bin/env bash
# Installs what Ohmbrook needs to build, test and run on Debian 12, when it is
# missing. Run as root (or through sudo).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    clang-14 libclang-rt-14-dev clang-format-14
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libfontconfig-dev
    libchm-dev fp-utils
    locales
    libjpeg62-turbo-dev libjpeg-turbo-progs qt6-svg-dev libwmf-dev libemf2svg-dev fonts-urw-base35 libseccomp-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth x11-utils valgrind libxcb-damage0-dev
    dbus at-spi2-core python3-pyatspi
    desktop-file-utils appstream debootstrap
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
