# Shared by the scripts that run Windows programs under wine: one wine prefix in the Windows
# cache, started once and kept running, so that no test waits for wine to set itself up and
# no wine helper holds on to a test's output.

# shellcheck source=scripts/lib/windows-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib/windows-env.sh"
export WINEPREFIX="${WINEPREFIX:-$SERAPHEL_WINDOWS_CACHE/wine-prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: nothing here needs them, and wine would offer to download them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# A path of this machine as wine's Windows programs see it (drive Z: is the root folder).
windows_path() {
    local path="${1//\//\\}"
    echo "Z:$path"
}

# Creates the prefix on first use and keeps its wineserver running, detached from the caller's
# terminal and pipes.
wine_prepare() {
    # The lock's descriptor is closed for wine's processes, which outlive this call.
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.seraphel-ready" ]; then
            setsid wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
            setsid wineboot -i </dev/null >/dev/null 2>&1 9>&-
            touch "$WINEPREFIX/.seraphel-ready"
        fi
        setsid wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
    ) 9>"$SERAPHEL_WINDOWS_CACHE/wine-prefix.lock"
}

# The launcher that restores QT_ variables, built once for each version of its source.
wine_launcher() {
    local source here key launcher
    here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    source="$here/wine-launch.c"
    key="$(sha256sum "$source" | cut -c1-12)"
    launcher="$SERAPHEL_WINDOWS_CACHE/wine-launch-$key.exe"
    if [ ! -f "$launcher" ]; then
        x86_64-w64-mingw32-gcc-posix -municode -O2 -o "$launcher.$$" "$source"
        mv "$launcher.$$" "$launcher"
    fi
    windows_path "$launcher"
}
