#!/usr/bin/env bash
# Start-up against the least a Qt Widgets program does: on one virtual 96-dpi screen, the time
# from the start of the process until its window is mapped, and its peak memory once the
# window has painted, for Seraphel and for bench/MinimalWindow.cpp (one empty window of the
# main window's size), run by turns. Prints the medians, the ratio and the memory difference.
# Usage: bench/startup.sh [runs of each, default 10]
# Builds in SERAPHEL_STARTUP_BUILD_DIR (default build-startup/), Release.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/virtual-screen.sh"
build="${SERAPHEL_STARTUP_BUILD_DIR:-$root/build-startup}"
runs="${1:-10}"
caption="$(window_caption)"
minimal_caption="Minimal window"
settle_ms=300 # for the first paint, whose memory counts

if [ -z "${SERAPHEL_ON_VIRTUAL_SCREEN:-}" ]; then
    "$root/scripts/setup.sh"
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSERAPHEL_BUILD_TESTS=OFF \
        -DSERAPHEL_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build" -j "$(nproc)" --target seraphel minimal_window window_watch
fi
run_on_virtual_screen "$0" "$@"
use_fresh_home

seraphel="$build/app/seraphel"
minimal="$build/bench/minimal_window"
watch="$build/bench/window_watch"

# A first start, not timed: it stores today's date as the last update reminder, so that no
# start below asks the question, and it shows the size the minimal window takes.
template="$scratch/config-template"
XDG_CONFIG_HOME="$template" "$seraphel" &
first=$!
window="$(wait_for_window "$caption" "$first")"
eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
kill "$first"
wait "$first" 2>/dev/null || true

# Every start gets its own settings folder (a copy of the template) and runtime folder (for
# the instance lock), as a fresh login would. window_watch sees the map as an X event: a
# search run in a loop would add its own start-up and polling interval to each figure.
start() {
    local run="$scratch/run-$1"
    shift
    mkdir -p "$run"
    cp -r "$template" "$run/config"
    mkdir -m 700 "$run/runtime"
    XDG_CONFIG_HOME="$run/config" XDG_RUNTIME_DIR="$run/runtime" "$watch" "$@"
    rm -rf "$run"
}

: >"$scratch/ours"
: >"$scratch/minimal"
for i in $(seq "$runs"); do
    start "minimal-$i" "$minimal_caption" "$settle_ms" "$minimal" "$minimal_caption" "$WIDTH" "$HEIGHT" \
        >>"$scratch/minimal"
    start "ours-$i" "$caption" "$settle_ms" "$seraphel" >>"$scratch/ours"
done

# The median of one column of a file of numbers.
median() {
    sort -g -k"$2","$2" "$1" | awk -v column="$2" '{ v[NR] = $column }
        END { printf "%.1f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ours_ms="$(median "$scratch/ours" 1)"
minimal_ms="$(median "$scratch/minimal" 1)"
ours_kib="$(median "$scratch/ours" 2)"
minimal_kib="$(median "$scratch/minimal" 2)"
awk -v runs="$runs" -v w="$WIDTH" -v h="$HEIGHT" -v om="$ours_ms" -v mm="$minimal_ms" -v ok="$ours_kib" \
    -v mk="$minimal_kib" 'BEGIN {
    ratio = om / mm
    extra = (ok - mk) / 1024
    printf "Start-up until the window is mapped, median of %d runs each (window %dx%d):\n", runs, w, h
    printf "  Seraphel         %7.1f ms   peak memory %6.1f MB\n", om, ok / 1024
    printf "  minimal window   %7.1f ms   peak memory %6.1f MB\n", mm, mk / 1024
    printf "  ratio %.2f (goal <= 1.25): %s\n", ratio, ratio <= 1.25 ? "met" : "missed"
    printf "  memory above the minimal window %.1f MB (goal <= 10 MB): %s\n", extra, extra <= 10 ? "met" : "missed"
}'
echo "  each run, ms: Seraphel $(cut -d' ' -f1 "$scratch/ours" | paste -sd' '); minimal $(cut -d' ' -f1 "$scratch/minimal" | paste -sd' ')"
