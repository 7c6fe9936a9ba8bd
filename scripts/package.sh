#!/usr/bin/env bash
# Builds Seraphel's Debian package from a Release build and checks it as a user would meet it:
# its control data and contents (dpkg-deb) and lintian; then installs it with apt-get, which
# pulls its dependencies, validates the installed desktop entry and AppStream metainfo,
# starts the installed program on a virtual screen until its main window shows, leaves it
# through File > Exit, removes the package and checks that none of its files is left.
# Runs as root (CI) or with sudo; refuses to run while a seraphel package is installed.
# Extra arguments go to the CMake configure step. The package stays in build-package/
# (SERAPHEL_PACKAGE_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SERAPHEL_PACKAGE_BUILD_DIR:-$root/build-package}"
source "$root/scripts/lib/virtual-screen.sh"

"$root/scripts/setup.sh"
run_on_virtual_screen "$0" "$@"
use_fresh_home

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

fail() {
    echo "$0: $*" >&2
    exit 1
}

step() {
    printf '\n== %s\n' "$*"
}

# Pipes end in grep >/dev/null, not grep -q: grep -q may stop reading early, and under
# pipefail the writer's broken pipe would fail the check.
is_installed() {
    dpkg-query -W -f='${Status}' seraphel 2>/dev/null | grep 'install ok installed' >/dev/null
}

# Whatever happens, the program ends, the package goes and the scratch home is removed.
pid=""
installed=""
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
    fi
    if [ -n "$installed" ]; then
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q seraphel >/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

if is_installed; then
    fail "a seraphel package is installed already; remove it first (apt-get remove seraphel)"
fi

step "Building (Release) in $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSERAPHEL_BUILD_TESTS=OFF -DSERAPHEL_BUILD_BENCHMARKS=OFF "$@"
cmake --build "$build" -j "$(nproc)"

step "Packaging"
rm -f "$build"/seraphel_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/seraphel_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single seraphel_*.deb in $build"
deb="${debs[0]}"

step "Control data"
dpkg-deb --info "$deb"
version="$(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Package)" = seraphel ] || fail "the package is not named seraphel"
# dpkg-shlibdeps found the Qt libraries the program links.
dpkg-deb -f "$deb" Depends | grep libqt6widgets6 >/dev/null || fail "the package does not depend on Qt's widget library"

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
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"
installed=yes
is_installed || fail "apt-get did not install the package"

step "Validating the installed desktop entry and metainfo"
desktop="/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml"
program="$(command -v "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")")" || fail "the desktop entry's program is not on the PATH"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
[ -f "/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "the desktop entry's icon $icon is not installed"

step "Starting the installed $program"
caption="Seraphel v$version"
"$program" &
pid=$!
window="$(wait_for_window "$caption" "$pid")" || fail "the installed program shows no window \"$caption\""
echo "main window \"$caption\" shown"
# Desktops on X11 match the window to its entry by this class.
window_class="$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')"
[ "$window_class" = "$(sed -n 's/^StartupWMClass=//p' "$desktop")" ] ||
    fail "the window's class \"$window_class\" is not the desktop entry's StartupWMClass"
xdotool windowfocus --sync "$window"
xdotool key --delay 40 alt+f x
wait_for_exit "$pid"
pid=""
[ "$exit_status" = 0 ] || fail "the program ended with status $exit_status after File > Exit"

step "Removing the package"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q seraphel
installed=""
is_installed && fail "apt-get did not remove the package"
for path in "${paths[@]}"; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then
        fail "$path is left after removal"
    fi
done

step "Done: $deb installs, starts, validates and removes cleanly"
