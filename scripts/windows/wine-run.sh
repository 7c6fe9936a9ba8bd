#!/usr/bin/env bash
# Runs a Windows program of the cross build under wine, as ctest's emulator:
#   wine-run.sh [--dll-path DIR]... PROGRAM.exe [ARGUMENT]...
# Each --dll-path folder (the Windows Qt's bin, the MinGW runtime) goes on wine's PATH.
# The environment is handed over whole, QT_ variables included (see wine-launch.c).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# A program on a real display gets a wine prefix of its own (SERAPHEL_WINE_OWN_PREFIX set):
# the shared prefix's desktop process may belong to another display, or to none.
own_prefix=""
if [ -n "${SERAPHEL_WINE_OWN_PREFIX:-}" ]; then
    own_prefix="$(mktemp -d)"
    export WINEPREFIX="$own_prefix/wine"
fi
source "$here/wine-env.sh"

dll_paths=()
while [ $# -gt 0 ] && [ "$1" = --dll-path ]; do
    dll_paths+=("$(windows_path "$2")")
    shift 2
done
[ $# -gt 0 ] || { echo "usage: wine-run.sh [--dll-path DIR]... PROGRAM [ARGUMENT]..." >&2; exit 2; }
program="$(windows_path "$(realpath "$1")")"
shift

wine_prepare
export WINEPATH
WINEPATH="$(IFS=';'; echo "${dll_paths[*]}")${WINEPATH:+;$WINEPATH}"

# Logging goes to the debugger channel unless told otherwise; the offscreen platform finds no
# fonts of its own on wine.
export QT_FORCE_STDERR_LOGGING="${QT_FORCE_STDERR_LOGGING:-1}"
export QT_QPA_FONTDIR="${QT_QPA_FONTDIR:-$(windows_path /usr/share/fonts/truetype/dejavu)}"
while IFS='=' read -r name _; do
    case "$name" in
    QT_*) export "SERAPHEL_WINE_$name=${!name}" ;;
    esac
done < <(env)

if [ -z "$own_prefix" ]; then
    exec wine "$(wine_launcher)" "$program" "$@"
fi
status=0
wine "$(wine_launcher)" "$program" "$@" || status=$?
wineserver -k 2>/dev/null || true
rm -rf "$own_prefix"
exit "$status"
