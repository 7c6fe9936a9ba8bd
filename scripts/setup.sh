#!/usr/bin/env bash
# Installs the Debian packages that building, testing and packaging Seraphel need.
# Packages already present are skipped; run as root or as a user who may use sudo.
set -euo pipefail

packages=(
    # build
    cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev
    # tests and benchmarks
    googletest libgtest-dev libbenchmark-dev python3 pkg-config libxcb1-dev
    xvfb xauth x11-utils x11-xkb-utils xdotool imagemagick fonts-dejavu-core
    pandoc unrtf poppler-utils
    # format check
    clang-format
    # fuzzing and sanitizers
    clang libclang-rt-dev
    # packaging checks
    dpkg-dev file desktop-file-utils appstream lintian weston qt6-wayland
    # handing web pages to the browser
    xdg-utils
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

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
