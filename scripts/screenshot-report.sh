#!/usr/bin/env bash
# Shows the report window with a sample reading on a virtual 1024x768 screen at 96 dpi and
# photographs it into docs/screenshots/report.png (or the path given). Needs a build with
# tests (SERAPHEL_BUILD_DIR, default build/) and the packages of scripts/setup.sh.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SERAPHEL_BUILD_DIR:-$root/build}"
out="${1:-$root/docs/screenshots/report.png}"
mkdir -p "$(dirname "$out")"

xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -c '
    set -euo pipefail
    QT_QPA_PLATFORM=xcb "$1" &
    program=$!
    trap "kill $program 2>/dev/null || true" EXIT
    window=""
    for _ in $(seq 50); do
        window="$(xdotool search --sync --onlyvisible --name "^Seraphel v" 2>/dev/null | head -n 1 || true)"
        [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "the report window did not appear" >&2; exit 1; }
    sleep 1 # let it paint
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The whole screen, cut down to the window: there is no window manager to frame it.
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
' bash "$build/tests/ui/show_report" "$out"
echo "Saved $out"
