#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qtbase source, the same version as the host
# Qt, with Debian's MinGW-w64, and installs it into a cache folder outside the work tree.
# A Qt already built there from the same source version and options is reused. Beside it go
# what a release says of it (scripts/lib/qt-build-record.py): the source package as downloaded,
# the options and toolchain that built it, the files that went into each DLL and Qt's
# attribution data.
# Prints the Qt folder (the CMAKE_PREFIX_PATH for the Windows build) on its last line.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/windows-env.sh"

install_packages dpkg-dev cmake ninja-build xz-utils python3 qt6-base-dev qt6-base-dev-tools \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64

options=(
    -release -shared -platform linux-g++ -xplatform win32-g++ -qt-host-path /usr
    -nomake tests -nomake examples
    -no-opengl -no-dbus -no-icu -no-glib -no-fontconfig
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
    -no-feature-tabletevent -no-feature-vulkan
    # Readers and writers of formats the program never takes in or writes out: no pasted
    # Markdown is parsed, no image file of another kind is read, no document written as ODF.
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
    -no-feature-gif -no-feature-ico -no-feature-imageformat_ppm -no-feature-imageformat_xbm
    # Only the plugins the program and its tests load: no Direct2D platform. (Direct2D itself
    # stays: Qt 6.4 builds its DirectWrite font engine, which printing uses, only with it.)
    -no-feature-direct2d1_1
    -qt-freetype -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-doubleconversion
)
# Built the same way twice, the DLLs come out byte for byte the same: the build folder is cut
# from file names the compiler records, and every time stamp (the PE header's, rcc's) is the
# source package's own date.
reproducible_flags='-ffile-prefix-map=@WORK@=/qt-build'
toolchain="$windows_toolchain"
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
record="$root/scripts/lib/qt-build-record.py"
key="$(printf '%s\n' "$version" "${options[@]}" "$reproducible_flags" | cat - "$toolchain" "$record" |
    sha256sum | cut -c1-12)"
prefix="$SERAPHEL_WINDOWS_CACHE/qt-$version-$key"

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# The source package must be the host Qt's: its build tools (moc, rcc, uic) come from /usr.
work="$SERAPHEL_WINDOWS_CACHE/qt-build-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"
source_list=/etc/apt/sources.list.d/seraphel-qt-source.sources
if [ ! -f "$source_list" ]; then
    as_root tee "$source_list" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
fi
(cd "$work" && apt-get source -q --download-only "qt6-base=$version" >/dev/null &&
    dpkg-source -x --no-check ./*.dsc src >/dev/null)

mkdir -p "$work/build"
flags="${reproducible_flags//@WORK@/$work}"
SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$work/src/debian/changelog" -S Timestamp)"
export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE="$SOURCE_DATE_EPOCH"
(
    cd "$work/build"
    nice "$work/src/configure" -prefix "$prefix" "${options[@]}" -- -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
        >"$work/configure.log" 2>&1 || { tail -50 "$work/configure.log" >&2; exit 1; }
    nice cmake --build . --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
        { grep -m 20 -B 2 -A 10 -E 'error|FAILED' "$work/build.log" >&2; exit 1; }
    cmake --install . >"$work/install.log" 2>&1 || { tail -50 "$work/install.log" >&2; exit 1; }
)
python3 "$record" "$work/build" "$work/src" "$prefix"
kept="$prefix/share/seraphel/qt-build"
mkdir -p "$kept/source" "$kept/recipe"
cp "$work"/*.dsc "$work"/*.tar.* "$kept/source/"
cp "$toolchain" "$kept/recipe/"
{
    echo "# configure options of the Windows Qt, one a line, then the CMake options after --"
    printf '%s\n' "${options[@]}" -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$(basename "$toolchain")" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "-DCMAKE_C_FLAGS=$reproducible_flags" "-DCMAKE_CXX_FLAGS=$reproducible_flags"
    echo "# SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH (the source package's changelog date)"
} >"$kept/recipe/configure-options.txt"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
