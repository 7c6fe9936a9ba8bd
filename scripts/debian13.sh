#!/usr/bin/env bash
# Proves Seraphel on Debian 13 (trixie), in roots made with debootstrap:
# 1. installs the release's Debian package (dist/, from scripts/release.sh) into a copy of a
#    minimal root, where apt-get pulls what it depends on, starts the installed program on a
#    virtual screen until its main window shows, and has a find show the result window;
# 2. builds the committed tree's whole suite in a root with what scripts/setup.sh installs
#    (GCC 14, Qt 6.8), with warnings as errors, and runs it.
# The two roots are made once and kept in ~/.cache/seraphel-debian13 (SERAPHEL_DEBIAN13_CACHE);
# each use brings their packages up to date. Runs as root.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cache="${SERAPHEL_DEBIAN13_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/seraphel-debian13}"
source "$root/scripts/lib/virtual-screen.sh"
source "$root/scripts/lib/release-env.sh"

[ "$(id -u)" -eq 0 ] || fail "making and entering the Debian 13 roots needs root"
deb="$(release_file deb)" || fail "run scripts/release.sh first"
install_packages debootstrap debian-archive-keyring xvfb xauth xdotool
run_on_virtual_screen "$0" "$@"
use_fresh_home
mkdir -p "$cache"

# Replaces this (sub)shell with a command in the root, in a mount namespace of its own that ends
# with it, so that nothing stays mounted, with the virtual screen's socket and a clean
# environment. The command keeps the process id, by which its windows are found.
exec_in_root() {
    local folder="$1"
    shift
    cp /etc/resolv.conf "$folder/etc/resolv.conf"
    cp "$XAUTHORITY" "$folder/tmp/.Xauthority"
    install -d -m 700 "$folder/tmp/runtime"
    # shellcheck disable=SC2016 # the sh in the mount namespace expands them
    exec unshare --mount -- sh -c '
        folder="$1"
        shift
        mount -t proc proc "$folder/proc" && mount --rbind /dev "$folder/dev" &&
            mkdir -p "$folder/tmp/.X11-unix" && mount --bind /tmp/.X11-unix "$folder/tmp/.X11-unix" &&
            exec chroot "$folder" "$@"' sh "$folder" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 DISPLAY="$DISPLAY" XAUTHORITY=/tmp/.Xauthority XDG_RUNTIME_DIR=/tmp/runtime CI="${CI:-}" \
        DEBIAN_FRONTEND=noninteractive "$@"
}

in_root() {
    (exec_in_root "$@")
}

# The minimal root, made once, with trixie's updates and security updates; brought up to date.
minimal="$cache/minimal"
if [ ! -f "$minimal/.complete" ]; then
    step "Making a minimal Debian 13 root in $minimal"
    rm -rf "$minimal"
    debootstrap --variant=minbase trixie "$minimal" http://deb.debian.org/debian >"$cache/debootstrap.log" ||
        { tail -n 20 "$cache/debootstrap.log" >&2; fail "debootstrap failed"; }
    cat >"$minimal/etc/apt/sources.list" <<'SOURCES'
deb http://deb.debian.org/debian trixie main
deb http://deb.debian.org/debian trixie-updates main
deb http://deb.debian.org/debian-security trixie-security main
SOURCES
    touch "$minimal/.complete"
fi
in_root "$minimal" sh -c 'apt-get update -q >/dev/null && apt-get upgrade -y -q >/dev/null && apt-get clean'

step "Installing $(basename "$deb") into a copy of the minimal root"
trial="$cache/trial"
rm -rf "$trial"
cp -a "$minimal" "$trial"
cp "$deb" "$trial/tmp/seraphel.deb"
in_root "$trial" apt-get install -y -q --no-install-recommends /tmp/seraphel.deb >/dev/null
in_root "$trial" dpkg-query -W seraphel

step "Starting the installed program in Debian 13"
caption="$(window_caption "$(dpkg-deb -f "$deb" Version)")"
on_exit rm -rf "$trial"
on_exit end_program
start_until_shown "$caption" exec_in_root "$trial" seraphel
main="$window"
echo "main window shown"
xdotool windowfocus --sync "$main"
xdotool type --delay 40 "anna"
xdotool key --delay 40 alt+g
window="$(wait_for_window "$caption" "$pid" "$main")" || fail "a find showed no result window"
import -window root "$cache/result-window.png"
echo "a find shows the result window (screenshot in $cache/result-window.png)"
leave_through_file_exit

step "Building and running the suite in Debian 13"
suite="$cache/suite"
if [ ! -f "$suite/.complete" ]; then
    rm -rf "$suite"
    cp -a "$minimal" "$suite"
    touch "$suite/.complete"
fi
rm -rf "$suite/src"
mkdir "$suite/src"
git -C "$root" archive --format=tar HEAD | tar -x -C "$suite/src"
in_root "$suite" sh -c 'apt-get update -q >/dev/null && apt-get upgrade -y -q >/dev/null'
in_root "$suite" env SERAPHEL_BUILD_DIR=/src/build CI=true /src/scripts/test.sh
rm -rf "$suite/src"

step "Done: the package installs, starts and finds in Debian 13, and the suite passes there"
