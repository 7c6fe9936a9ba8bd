#!/usr/bin/env bash
# Checks the release's Debian package (dist/, made by scripts/release.sh first when it is not
# there) as a user would meet it: its control data and contents (dpkg-deb) and lintian; then
# installs it with apt-get, which pulls its dependencies, validates the installed desktop entry
# and AppStream metainfo, starts the installed program on a virtual screen until its main window
# shows, leaves it through File > Exit, starts it again under a headless Wayland compositor
# until its window shows there with the desktop entry's app id, removes the package and checks
# that none of its files is left.
# Runs as root (CI) or with sudo; refuses to run while a seraphel package is installed.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/virtual-screen.sh"
source "$root/scripts/lib/release-env.sh"

"$root/scripts/setup.sh"
[ -f "$dist/SHA256SUMS" ] || "$root/scripts/release.sh"
run_on_virtual_screen "$0" "$@"
use_fresh_home

# Pipes end in grep >/dev/null, not grep -q: grep -q may stop reading early, and under
# pipefail the writer's broken pipe would fail the check.

# Whatever happens, the program and the compositor end and the package goes, before the scratch
# home does.
compositor=""
installed=""
cleanup() {
    [ -z "$compositor" ] || kill "$compositor" 2>/dev/null
    [ -z "$installed" ] || as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q seraphel >/dev/null
}
on_exit cleanup
on_exit end_program

if package_installed seraphel; then
    fail "a seraphel package is installed already; remove it first (apt-get remove seraphel)"
fi

deb="$(release_file deb)"

step "Control data"
dpkg-deb --info "$deb"
version="$(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Package)" = seraphel ] || fail "the package is not named seraphel"
# dpkg-shlibdeps found the Qt libraries the program links.
dpkg-deb -f "$deb" Depends | grep libqt6widgets6 >/dev/null || fail "the package does not depend on Qt's widget library"
dpkg-deb -f "$deb" Recommends | grep qt6-wayland >/dev/null ||
    fail "the package does not recommend qt6-wayland, without which Wayland desktops run it through XWayland"

step "Contents"
dpkg-deb --contents "$deb"
mapfile -t paths < <(dpkg-deb --contents "$deb" | awk '{ print substr($6, 2) }')
app_id="$(printf '%s\n' "${paths[@]}" | sed -n 's|^/usr/share/applications/\(.*\)\.desktop$|\1|p')"
[ -n "$app_id" ] || fail "the package holds no desktop entry"
expected=(
    /usr/bin/seraphel
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    /usr/share/man/man1/seraphel.1.gz
    /usr/share/doc/seraphel/copyright
    /usr/share/doc/seraphel/changelog.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for path in "${expected[@]}"; do
    printf '%s\n' "${paths[@]}" | grep -xF "$path" >/dev/null || fail "the package lacks $path"
done
outside="$(printf '%s\n' "${paths[@]}" | grep -v -e '^/$' -e '^/usr/' || true)"
[ -z "$outside" ] || fail "the package installs outside /usr: $outside"

step "Lintian (errors fail; warnings are shown)"
lintian --fail-on error --display-info "$deb"

step "Installing with apt-get"
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"
installed=yes
package_installed seraphel || fail "apt-get did not install the package"

step "Validating the installed desktop entry and metainfo"
desktop="/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"
program="$(command -v "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")")" || fail "the desktop entry's program is not on the PATH"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[ -f "/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the desktop entry's icon $icon is not installed"

step "Starting the installed $program"
caption="$(window_caption "$version")"
start_until_shown "$caption" "$program"
echo "main window \"$caption\" shown"
# Desktops on X11 match the window to its entry by this class.
window_class="$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')"
[ "$window_class" = "$(sed -n 's/^StartupWMClass=//p' "$desktop")" ] ||
    fail "the window's class \"$window_class\" is not the desktop entry's StartupWMClass"
leave_through_file_exit

# Succeeds once the client log (WAYLAND_DEBUG=client) shows a toplevel with the caption and the
# app id whose surface has had a buffer attached and committed: the window is on screen.
# Each line starts with a timestamp that libwayland pads with blanks ("[ 676030.498]") when it
# has fewer than seven digits, so it is cut off before the line is split.
wayland_window_shown() {
    awk -v caption="$caption" -v app_id="$app_id" '
        { line = $0; sub(/^\[[^]]*\][[:space:]]*/, "", line); split(line, f, /[(), ]+/) }
        f[1] != "->" { next }
        { split(f[2], call, "."); object = call[1]; request = call[2]; argument = substr(line, index(line, "(")) }
        request == "get_xdg_surface" { surface_of[f[5]] = f[6] }
        request == "get_toplevel" { surface_of[f[5]] = surface_of[object] }
        request == "set_title" { titled[surface_of[object]] = (argument == "(\"" caption "\")") }
        request == "set_app_id" { named[surface_of[object]] = (argument == "(\"" app_id "\")") }
        request == "attach" { attached[object] = (f[3] != "nil") }
        request == "commit" && attached[object] && titled[object] && named[object] { shown = 1; exit }
        END { exit !shown }' "$wayland_log"
}

step "Starting the installed $program on Wayland (headless weston)"
# A compositor of its own: its own socket in a runtime folder of its own, no X server, no
# network. Without qt6-wayland, which setup.sh installs, the program would not start here.
wayland_runtime="$scratch/wayland"
mkdir -m 700 "$wayland_runtime"
socket=seraphel-check
XDG_RUNTIME_DIR="$wayland_runtime" weston --backend=headless-backend.so --socket="$socket" --no-config \
    --log="$scratch/weston.log" &
compositor=$!
for _ in $(seq 100); do
    [ -S "$wayland_runtime/$socket" ] && break
    kill -0 "$compositor" 2>/dev/null || fail "weston ended at start: $(tail -n 5 "$scratch/weston.log")"
    sleep 0.1
done
[ -S "$wayland_runtime/$socket" ] || fail "weston made no socket $socket within 10 seconds"
wayland_log="$scratch/wayland-client.log"
env -u DISPLAY XDG_RUNTIME_DIR="$wayland_runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    WAYLAND_DEBUG=client "$program" 2>"$wayland_log" &
pid=$!
for _ in $(seq 300); do
    wayland_window_shown && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended on Wayland before its window showed: $(tail -n 5 "$wayland_log")"
    sleep 0.1
done
if ! wayland_window_shown; then
    given="$(sed -n 's/.*\.set_app_id("\(.*\)")$/\1/p' "$wayland_log" | tail -n 1)"
    [ -z "$given" ] || [ "$given" = "$app_id" ] ||
        fail "the program's Wayland window has the app id \"$given\", not the desktop entry's \"$app_id\""
    fail "the installed program shows no window \"$caption\" with the app id \"$app_id\" on Wayland within 30 seconds; its last requests:
$(grep -e ' -> ' "$wayland_log" | tail -n 5)"
fi
echo "window \"$caption\" shown on Wayland with the app id $app_id"
kill "$pid"
wait_for_exit "$pid" || fail "the program did not end when told to"
pid=""
kill "$compositor"
wait_for_exit "$compositor" || fail "weston did not end when told to"
compositor=""

step "Removing the package"
as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q seraphel
installed=""
package_installed seraphel && fail "apt-get did not remove the package"
for path in "${paths[@]}"; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then
        fail "$path is left after removal"
    fi
done

step "Done: $deb installs, starts, validates and removes cleanly"
