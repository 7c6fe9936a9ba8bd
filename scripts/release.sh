#!/usr/bin/env bash
# Builds a release of the committed tree (HEAD; what is not committed is left out) into dist/ at
# the root of the tree it runs in: the Debian package, the Windows installer, the portable
# archive, the archive of the Windows Qt's source, the bill of materials (CycloneDX JSON), the
# record of what built it, and SHA256SUMS over them all. The same commit gives the same bytes
# wherever it is built: every time stamp is the commit's (SOURCE_DATE_EPOCH), the build folder is
# cut from what the compilers record, and time zone, locale and umask are set. The Windows
# programs are made ready for signing (scripts/lib/pe-prepare.py).
# Signs when given a code-signing certificate (SERAPHEL_AUTHENTICODE_P12, a PKCS#12 file, with
# its password in SERAPHEL_AUTHENTICODE_PASSWORD) or an OpenPGP key (SERAPHEL_GPG_KEY, from
# GNUPGHOME): see scripts/release-sign.sh. The output folder is SERAPHEL_DIST_DIR if set.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/windows-env.sh"
source "$root/scripts/lib/release-env.sh"

"$root/scripts/setup.sh"
install_packages "${release_tool_packages[@]}"
qt="$("$root/scripts/windows-qt.sh" | tail -n 1)"

release_environment "$root"
make_scratch
step "Building release $(git -C "$root" describe --always --dirty=' (uncommitted changes left out)') in $scratch"
mkdir "$scratch/src"
git -C "$root" archive --format=tar HEAD | tar -x -C "$scratch/src"
# The build folders' own names never reach the programs.
flags="-ffile-prefix-map=$scratch=."
release_options=(-DSERAPHEL_BUILD_TESTS=OFF -DCMAKE_CXX_FLAGS="$flags")

step "Debian package"
cmake -S "$scratch/src" -B "$scratch/linux" -DCMAKE_BUILD_TYPE=Release -DSERAPHEL_BUILD_BENCHMARKS=OFF \
    "${ci_cmake_options[@]}" "${release_options[@]}" >/dev/null
nice cmake --build "$scratch/linux" -j "$(nproc)"
(cd "$scratch/linux" && cpack -G DEB >/dev/null)

step "Windows installer and portable archive"
set_windows_cmake_options "$qt"
cmake -S "$scratch/src" -B "$scratch/windows" "${windows_cmake_options[@]}" "${release_options[@]}" >/dev/null
nice cmake --build "$scratch/windows" --parallel "$(nproc)"
(cd "$scratch/windows" && cpack -G NSIS >/dev/null)
name="$(basename "$(release_file installer "$scratch/windows")" .exe)"
release="${name%-windows-x64}"
python3 "$root/scripts/lib/pe-prepare.py" "$scratch/windows/$name.exe"
cmake --install "$scratch/windows" --prefix "$scratch/portable/$name" --strip >/dev/null
python3 "$root/scripts/lib/pe-prepare.py" "$scratch/portable/$name/bin/seraphel.exe"

step "Qt source, bill of materials and build record"
# The source of the Qt that ships, as the Windows build's notices name it, with its recipe.
qt_source="$scratch/$release-qt-source"
kept="$qt/share/seraphel/qt-build"
mkdir -p "$qt_source"
cp -r "$kept/source" "$kept/recipe" "$qt_source/"
cp "$scratch/src/packaging/windows/qt-source-README.txt" "$qt_source/README.txt"

mkdir -p "$dist"
rm -f "$dist"/seraphel_*.deb "$dist"/Seraphel-* "$dist"/SHA256SUMS*
cp "$(release_file deb "$scratch/linux")" "$scratch/windows/$name.exe" "$dist/"
make_release_zip "$scratch/portable/$name" "$dist/$name.zip"
make_release_tar "$qt_source" "$dist/$release-qt-source.tar"
deb="$(release_file deb)"
python3 "$root/scripts/lib/release-sbom.py" write --dist "$dist" \
    --installer-files "$scratch/windows/_CPack_Packages/win64/NSIS/$name" \
    --windows-parts "$scratch/windows/packaging/generated/third-party.json" \
    --developer "$(dpkg-deb -f "$deb" Maintainer | sed 's/ *<.*//')" --homepage "$(dpkg-deb -f "$deb" Homepage)" \
    --output "$dist/$release.cdx.json"
write_build_record "$root" "$deb" "$dist/$release-build-environment.txt"
write_release_checksums "$dist"

if [ -n "${SERAPHEL_AUTHENTICODE_P12:-}${SERAPHEL_GPG_KEY:-}" ]; then
    "$root/scripts/release-sign.sh" "$dist"
fi
step "Release in $dist"
cat "$dist/SHA256SUMS"
