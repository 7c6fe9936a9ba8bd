#!/usr/bin/env bash
# Installs the Debian packages that building, testing and packaging Seraphel need.
# Packages already present are skipped; run as root or as a user who may use sudo.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

packages=(
    # build
    cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev
    # tests and benchmarks
    googletest libgtest-dev libbenchmark-dev python3 pkg-config libxcb1-dev
    xvfb xauth x11-utils x11-xkb-utils xdotool imagemagick fonts-dejavu-core
    pandoc unrtf poppler-utils
    # format and shell-script checks
    clang-format shellcheck
    # fuzzing and sanitizers
    clang libclang-rt-dev
    # packaging checks
    dpkg-dev file desktop-file-utils appstream lintian weston qt6-wayland
    # handing web pages to the browser
    xdg-utils
)

install_packages "${packages[@]}"
