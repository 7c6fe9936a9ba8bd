#!/usr/bin/env bash
# Shows the report window with a sample reading on a virtual 1024x768 screen at 96 dpi and
# photographs it into docs/screenshots/report.png (or the path given). Needs a build with
# tests (SERAPHEL_BUILD_DIR, default build/) and the packages of scripts/setup.sh.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/virtual-screen.sh"
build="${SERAPHEL_BUILD_DIR:-$root/build}"
out="${1:-$root/docs/screenshots/report.png}"
mkdir -p "$(dirname "$out")"
run_on_virtual_screen "$0" "$@"
use_fresh_home

QT_QPA_PLATFORM=xcb "$build/tests/ui/show_report" &
pid=$!
on_exit end_program
window="$(wait_for_window "$(window_caption)" "$pid")" || fail "the report window did not appear"
photograph_window "$window" "$out" 1
