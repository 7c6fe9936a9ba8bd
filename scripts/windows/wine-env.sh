# shellcheck shell=bash
# Shared by the scripts that run Windows programs under wine: one wine prefix in the Windows
# cache, started once and kept running, so that no test waits for wine to set itself up and
# no wine helper holds on to a test's output.

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

# True while wine's services (started by wineboot) run for this prefix.
wine_services_running() {
    local prefix process
    prefix="$(realpath -m "$WINEPREFIX")"
    for process in /proc/[0-9]*; do
        [[ "$(readlink "$process/cwd" 2>/dev/null)" == "$prefix"/* ]] || continue
        grep -qa 'services\.exe' "$process/cmdline" 2>/dev/null && return 0
    done
    return 1
}

# Creates the prefix on first use and keeps its wineserver and services running, detached from
# the caller's terminal and pipes. A wine process inherits every open descriptor of its caller
# and hands them on to the services it starts; started from within ctest, they would keep the
# test's output pipes open for as long as they run, and ctest would wait for them.
wine_prepare() {
    (
        local descriptor
        for descriptor in "/proc/$BASHPID/fd/"*; do
            case "${descriptor##*/}" in
            0 | 1 | 2) ;;
            *) eval "exec ${descriptor##*/}>&-" 2>/dev/null || true ;;
            esac
        done
        exec </dev/null >/dev/null 2>&1
        exec 9>"$WINEPREFIX.lock"
        flock 9
        setsid wineserver -p 9>&- || true
        if [ ! -f "$WINEPREFIX/.seraphel-ready" ]; then
            setsid wineboot -i 9>&-
            touch "$WINEPREFIX/.seraphel-ready"
        elif ! wine_services_running; then
            setsid wineboot 9>&-
        fi
    )
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
