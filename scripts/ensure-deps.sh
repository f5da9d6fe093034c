#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config lld
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth openbox xdotool wmctrl x11-utils imagemagick
    at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi dbus dbus-x11
    desktop-file-utils libglib2.0-bin poppler-utils qt6-image-formats-plugins
    fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    # Several trees may set up at once on one machine: wait for the package lock instead of failing.
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi
