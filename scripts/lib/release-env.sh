# Shared by the release scripts: the one way a release is built, whatever the machine's folder,
# time zone, umask and locale, and the portable archive written the same way every time.
# Source this file after common.sh.

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
        cd "$(dirname "$folder")"
        find "$(basename "$folder")" | LC_ALL=C sort | zip -q -X -@ "$archive"
    )
}

# Writes SHA256SUMS over the release's packages in the folder; a signature of an earlier one goes.
write_release_checksums() {
    local folder="$1"
    rm -f "$folder/SHA256SUMS.asc"
    (cd "$folder" && sha256sum -- *.deb *.exe *.zip >SHA256SUMS)
}
