#!/usr/bin/env bash
# Cross-builds seraphel.exe and every test for 64-bit Windows and runs the whole suite under
# wine. Qt for Windows and GoogleTest are built once into the Windows cache
# (scripts/windows-qt.sh). Extra arguments go to the CMake configure step.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SERAPHEL_WINDOWS_BUILD_DIR:-$root/build-windows}"
source "$root/scripts/lib/windows-env.sh"

install_packages wine wine64 fonts-dejavu-core python3
qt="$("$root/scripts/windows-qt.sh" | tail -n 1)"

# GoogleTest from Debian's source package, built with the same compiler.
gtest_version="$(dpkg-query -W -f='${Version}' googletest)"
gtest="$SERAPHEL_WINDOWS_CACHE/googletest-$gtest_version"
if [ ! -f "$gtest/.complete" ]; then
    rm -rf "$gtest" "$gtest-build"
    cmake -S /usr/src/googletest -B "$gtest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$windows_toolchain" -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_GMOCK=OFF >/dev/null
    nice cmake --build "$gtest-build" --parallel "$(nproc)" >/dev/null
    cmake --install "$gtest-build" >/dev/null
    rm -rf "$gtest-build"
    touch "$gtest/.complete"
fi

set_windows_cmake_options "$qt" "$gtest"
cmake -S "$root" -B "$build" "${windows_cmake_options[@]}" "$@"
nice cmake --build "$build" --parallel "$(nproc)"

# The wine prefix is made before the first test, which would otherwise wait for it.
source "$root/scripts/windows/wine-env.sh"
wine_prepare
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
