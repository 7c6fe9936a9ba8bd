#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Seraphel and runs every test through ctest.
# Extra arguments go to the CMake configure step (for example -DSERAPHEL_SANITIZE=ON).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SERAPHEL_BUILD_DIR:-$root/build}"

source "$root/scripts/lib/common.sh"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSERAPHEL_BUILD_TESTS=ON \
    -DSERAPHEL_BUILD_BENCHMARKS=ON "${ci_cmake_options[@]}" "$@"
cmake --build "$build" -j "$(nproc)"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
