#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, and only those missing:
# apt is not touched at all when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++
    qt6-base-dev libx11-dev libxcb-xkb-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    clang-format clang-tidy
    xvfb xdotool x11-apps weston qt6-wayland
    dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 python3-dbus
    dpkg-dev file desktop-file-utils appstream groff-base lintian
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
