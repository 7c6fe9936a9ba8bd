#!/usr/bin/env bash
# Takes screenshots of a built Seraphel on a virtual 96-dpi screen: the main window and its
# about box, then the result window on each of its tabs after a find driven from the keyboard.
# Usage: scripts/screenshots.sh <path/to/seraphel> [output folder, default docs/screenshots]
# Needs xvfb-run, xdotool and ImageMagick's import (scripts/setup.sh installs them).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/virtual-screen.sh"

if [ $# -lt 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 <path/to/seraphel> [output folder]" >&2
    exit 2
fi
program="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
output="${2:-$root/docs/screenshots}"
mkdir -p "$output"
output="$(cd "$output" && pwd)"
run_on_virtual_screen "$0" "$program" "$output"
use_fresh_home
caption="$(window_caption)"

keys() {
    xdotool key --delay 40 "$@"
}

# Waits up to ten seconds for the window to be gone from the screen.
wait_until_closed() {
    local id="$1"
    for _ in $(seq 100); do
        xdotool search --all --onlyvisible --pid "$pid" --name . 2>/dev/null | grep -x "$id" >/dev/null || return 0
        sleep 0.1
    done
    echo "window $id did not close" >&2
    return 1
}

on_exit end_program
start_until_shown "$caption" "$program"
main="$window"
xdotool windowfocus --sync "$main"
photograph_window "$main" "$output/main.png"

# Help > About Software, closed again with Escape.
keys alt+h a
about="$(wait_for_window "$caption" "$pid" "$main")"
photograph_window "$about" "$output/about.png"
keys Escape
wait_until_closed "$about"
xdotool windowfocus --sync "$main"

# Anna, born on 14 March 1985 in the northern hemisphere.
xdotool type --delay 40 "anna"
keys Tab Down Down Tab
for _ in $(seq 13); do keys Down; done
keys Tab
xdotool type --delay 40 "1985"
keys Tab Down alt+g
result="$(wait_for_window "$caption" "$pid" "$main")"
xdotool windowfocus --sync "$result"
photograph_window "$result" "$output/result-day.png"
keys ctrl+Tab
photograph_window "$result" "$output/result-month.png"
keys ctrl+Tab
photograph_window "$result" "$output/result-sun.png"

window="$result"
leave_through_file_exit
