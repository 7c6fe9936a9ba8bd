# shellcheck shell=bash
# Shared by the Windows scripts: where the Windows Qt and wine's prefix are kept, and the
# CMake options of a cross build for Windows.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SERAPHEL_WINDOWS_CACHE="${SERAPHEL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/seraphel-windows}"
mkdir -p "$SERAPHEL_WINDOWS_CACHE"

windows_toolchain="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/cmake/mingw-w64-x86_64.cmake"

# Sets windows_cmake_options: a Release cross build against the Windows Qt in the given folder
# (and any further prefixes, such as GoogleTest's), with CI's options.
set_windows_cmake_options() {
    local prefixes
    prefixes="$(IFS=';'; echo "$*")"
    # shellcheck disable=SC2034 # the scripts that call it use it
    windows_cmake_options=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain"
        -DCMAKE_PREFIX_PATH="$prefixes" -DQT_HOST_PATH=/usr -DSERAPHEL_BUILD_BENCHMARKS=OFF "${ci_cmake_options[@]}")
}
