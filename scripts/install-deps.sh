#!/usr/bin/env bash
# Installs what building, running and testing the editor needs (Debian packages), and any further
# packages named on the command line. Asks apt only when something is missing.
#   scripts/install-deps.sh [PACKAGE...]
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-wayland libgl-dev fonts-dejavu-core zlib1g-dev
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils libx11-dev
    at-spi2-core python3-pyatspi dbus
    desktop-file-utils appstream xdg-utils shared-mime-info libfile-mimeinfo-perl groff-base
    git dpkg-dev lintian
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
