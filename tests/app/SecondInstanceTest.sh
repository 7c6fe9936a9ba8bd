#!/usr/bin/env bash
# Real processes on a virtual screen: a second start while the program runs shows "already
# running" in a message box and ends once it is answered, leaving the first untouched; a
# start after the first was killed outright runs, although the killed one's lock file is left
# (on Windows the claim is a mutex, which the killed one's end removes: no file is left).
# Usage: SecondInstanceTest.sh <path/to/seraphel> [folder of DLLs it loads]...
# A Windows build (seraphel.exe) runs under wine, in a wine prefix of its own in the fresh home,
# with wine's own window system on the virtual screen and the DLL folders on wine's path.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$root/scripts/lib/virtual-screen.sh"
run_on_virtual_screen "$0" "$@"
use_fresh_home
caption="$(window_caption)"
program="$1"
shift
pids=()
start=("$program")
lock="$XDG_RUNTIME_DIR/seraphel.lock"
if [[ "$program" == *.exe ]]; then
    export WINEPREFIX="$scratch/wine"
    source "$root/scripts/windows/wine-env.sh"
    wine_prepare
    export WINEPATH
    WINEPATH="$(for folder in "$@"; do printf '%s;' "$(windows_path "$folder")"; done)"
    start=(wine "$program")
    lock=""
    export SERAPHEL_WINDOW_WAIT=60
    on_exit wineserver -k
fi
end_programs() {
    kill -9 "${pids[@]}" 2>/dev/null
}
on_exit end_programs

"${start[@]}" &
first=$!
pids+=("$first")
first_window="$(wait_for_window "$caption" "$first")" || fail "the first start shows no main window"

"${start[@]}" &
second=$!
pids+=("$second")
box="$(wait_for_window "Seraphel" "$second")" || fail "the second start shows no message"
if xdotool search --all --pid "$second" --name "^$caption\$" >/dev/null 2>&1; then
    fail "the second start made a main window"
fi
xdotool windowfocus --sync "$box"
xdotool key Return
wait_for_exit "$second" || fail "the second start did not end after its message"
[ "$exit_status" = 0 ] || fail "the second start ended with status $exit_status"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
[ "$(wait_for_window "$caption" "$first")" = "$first_window" ] || fail "the first instance lost its window"

{
    kill -9 "$first"
    wait "$first"
} 2>/dev/null || true
[ -z "$lock" ] || [ -e "$lock" ] || fail "the killed instance left no lock behind"

"${start[@]}" &
pid=$!
pids+=("$pid")
window="$(wait_for_window "$caption" "$pid")" || fail "a start after a killed instance shows no window"
leave_through_file_exit
echo "PASS"
