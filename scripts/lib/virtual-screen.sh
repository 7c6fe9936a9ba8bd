# shellcheck shell=bash
# Helpers for scripts that run Seraphel on a virtual X screen and drive it with xdotool.
# Source this file (it brings common.sh); call run_on_virtual_screen "$0" "$@" first thing.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Runs the calling script again inside xvfb-run (a 1024 x 768 screen at 96 dpi), with a
# fresh home folder so that the user's own settings and running instance stay out of it.
# -noreset: by default the server resets when its last client goes, and a program that
# connects during the reset (as after a killed instance) finds no display.
run_on_virtual_screen() {
    local script="$1"
    shift
    if [ -n "${SERAPHEL_ON_VIRTUAL_SCREEN:-}" ]; then
        return 0
    fi
    local tool
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || { echo "$script: $tool is missing; run scripts/setup.sh" >&2; exit 1; }
    done
    export SERAPHEL_ON_VIRTUAL_SCREEN=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -noreset" "$script" "$@"
}

# A fresh home and runtime folder in $scratch, removed when the script ends.
use_fresh_home() {
    make_scratch
    export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
}

# The program's window caption for the version given, by default the one project() sets in the
# top CMakeLists.txt, from which app/platform/BuildInfo.h.in makes the program's own.
# shellcheck disable=SC2120 # the version is optional
window_caption() {
    local version="${1:-$(sed -n 's/^project(Seraphel VERSION \([^ )]*\).*/\1/p' \
        "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt")}"
    echo "Seraphel v${version:?project() in CMakeLists.txt gives no version}"
}

# Prints the id of the shown window with exactly this caption, of the given process if a
# process id follows, other than the window id given third; waits up to ten seconds for it
# (SERAPHEL_WINDOW_WAIT seconds, for slower starts such as under wine).
wait_for_window() {
    local caption="$1" pid="${2:-}" other="${3:-}" id
    local by_process=()
    if [ -n "$pid" ]; then
        by_process=(--pid "$pid")
    fi
    for _ in $(seq $((${SERAPHEL_WINDOW_WAIT:-10} * 10))); do
        id="$(xdotool search --all --onlyvisible "${by_process[@]}" --name "^${caption}\$" 2>/dev/null |
            grep -vx "${other:-none}" | head -n 1 || true)"
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window \"$caption\" appeared" >&2
    return 1
}

# Saves the part of the screen that the window covers once it has painted (after the seconds
# given, 0.3 by default): the whole screen cut down to the window, as no window manager frames it.
photograph_window() {
    local id="$1" file="$2" X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    sleep "${3:-0.3}"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$file"
    echo "wrote $file"
}

# Waits up to five seconds (or SERAPHEL_WINDOW_WAIT) for the process, a child of this shell, to end; sets
# exit_status to its status. Call it directly, not in $( ), which would run it elsewhere.
wait_for_exit() {
    local pid="$1"
    for _ in $(seq $((${SERAPHEL_WINDOW_WAIT:-5} * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            exit_status=0
            wait "$pid" || exit_status=$?
            return 0
        fi
        sleep 0.1
    done
    echo "process $pid did not end" >&2
    return 1
}

# Starts the command in the background until its window with this caption shows; sets pid
# and window, and fails the script when no such window comes.
start_until_shown() {
    local caption="$1"
    shift
    "$@" &
    pid=$!
    window="$(wait_for_window "$caption" "$pid")" || fail "$* shows no window \"$caption\""
}

# Ends the program started by start_until_shown (or another whose id is in pid), if it still
# runs: for on_exit.
end_program() {
    [ -z "${pid:-}" ] || kill "$pid" 2>/dev/null
}

# Leaves the program started by start_until_shown through File > Exit and waits for it to end
# with status 0.
leave_through_file_exit() {
    xdotool windowfocus --sync "$window"
    xdotool key --delay 80 alt+f x
    wait_for_exit "$pid" || fail "the program did not end after File > Exit"
    [ "$exit_status" = 0 ] || fail "the program ended with status $exit_status after File > Exit"
    pid=""
}
