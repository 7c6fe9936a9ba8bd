# shellcheck shell=bash
# Shared by the release scripts: the one way a release is built, whatever the machine's folder,
# time zone, umask and locale; the archives written the same way every time; the record of what
# built it; where the release is and its files. Source this file after common.sh.

# The release folder: SERAPHEL_DIST_DIR, or dist/ at the root of the tree.
dist="${SERAPHEL_DIST_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/dist}"

# Prints the release's one file of the kind given (deb, installer, archive or bom) in the folder
# given, the release folder by default; fails the script when there is not exactly one.
release_file() {
    local -A patterns=([deb]='seraphel_*.deb' [installer]='Seraphel-*-windows-x64.exe'
        [archive]='Seraphel-*-windows-x64.zip' [bom]='Seraphel-*.cdx.json')
    local folder="${2:-$dist}" files
    mapfile -t files < <(compgen -G "$folder/${patterns[$1]}")
    [ ${#files[@]} -eq 1 ] || fail "$folder holds no single ${patterns[$1]}"
    echo "${files[0]}"
}

# The Debian packages that build a release, each with what it depends on; the release records
# their versions.
release_tool_packages=(
    cmake ninja-build make g++ gcc binutils libc6-dev libstdc++-12-dev dpkg-dev file qt6-base-dev
    qt6-base-dev-tools libgl-dev g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
    gcc-mingw-w64-x86-64-posix-runtime binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev nsis zip python3
    tar xz-utils gzip
)

# Every time stamp of a release is its commit's time; the build sees one time zone, one locale
# and one umask.
release_environment() {
    local tree="$1"
    SOURCE_DATE_EPOCH="$(git -C "$tree" log -1 --format=%ct)"
    export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE="$SOURCE_DATE_EPOCH"
    export TZ=UTC LC_ALL=C.UTF-8 LANG=C.UTF-8
    unset LANGUAGE
    umask 022
}

# Writes the zip archive $2 of the folder $1, which it holds as its one top folder: entries in
# byte order, every time the commit's, no owner or extra time fields.
make_release_zip() {
    local folder="$1" archive="$2"
    rm -f "$archive"
    find "$folder" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
    (
        cd "$(dirname "$folder")" || exit
        find "$(basename "$folder")" | LC_ALL=C sort | zip -q -X -@ "$archive"
    )
}

# Writes the tar archive $2 of the folder $1, which it holds as its one top folder: entries in
# byte order, every time the commit's, owned by root, readable by all.
make_release_tar() {
    local folder="$1" archive="$2"
    tar --create --file="$archive" --directory="$(dirname "$folder")" --sort=name --format=gnu \
        --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner --mode=u=rwX,go=rX \
        "$(basename "$folder")"
}

# Writes the record of what built the release of the tree $1 to $3: the machine's Debian release,
# the compilers and tools, and the version of each package that built it or that its Debian
# package $2 depends on.
write_build_record() {
    local tree="$1" deb="$2" record="$3" depends tool
    depends="$(dpkg-deb -f "$deb" Depends | tr ',|' '\n' | sed -E 's/\(.*\)//; s/ //g' | sort -u)"
    {
        echo "What built the release of Seraphel $(dpkg-deb -f "$deb" Version), from commit $(git -C "$tree" rev-parse HEAD)"
        echo "(SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH): a rebuild on the same base gives the same files."
        echo
        echo "Machine: $(sed -n 's/^PRETTY_NAME="\(.*\)"$/\1/p' /etc/os-release), Debian $(cat /etc/debian_version)," \
            "$(dpkg --print-architecture)"
        echo
        echo "Compilers and tools:"
        for tool in g++ x86_64-w64-mingw32-g++-posix cmake; do
            echo "  $("$tool" --version | head -n 1)"
        done
        echo "  ninja $(ninja --version)"
        echo "  makensis $(makensis -VERSION)"
        echo "  $(python3 --version)"
        echo
        echo "Debian packages (name, version, architecture), to be had from snapshot.debian.org:"
        # shellcheck disable=SC2086 # one package name a word
        dpkg-query -W -f='  ${Package} ${Version} ${Architecture}\n' "${release_tool_packages[@]}" $depends |
            LC_ALL=C sort -u
    } >"$record"
}

# Writes SHA256SUMS over the release's files in the folder; a signature of an earlier one goes.
write_release_checksums() {
    local folder="$1"
    rm -f "$folder/SHA256SUMS.asc"
    (cd "$folder" && sha256sum -- *.deb *.exe *.zip *.tar *.cdx.json *.txt >SHA256SUMS)
}
