#!/usr/bin/env bash
# Tries out the release's Windows installer and portable archive (dist/, made by
# scripts/release.sh first when it is not there) under wine, in a fresh wine prefix, as a
# Windows user would meet them: checks that every DLL a shipped file imports is shipped or part
# of Windows, and that the licences and the third-party notices lie beside seraphel.exe, the
# notices naming every bundled component of the bill of materials and the Qt source archive of
# the release; installs silently into Program Files\Seraphel, checks the Start-menu shortcut,
# starts the installed program on a virtual screen until its main window shows, checks that the
# installer and the uninstaller refuse to run beside it, silently with an error and nothing
# changed, leaves it through File > Exit, installs over it and uninstalls, checking that nothing
# the installer made is left in Program Files, the Start menu or the registry; then unpacks the
# archive in a folder of its own and starts it from there. The screenshots stay in
# build-windows-package/ (SERAPHEL_WINDOWS_PACKAGE_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SERAPHEL_WINDOWS_PACKAGE_BUILD_DIR:-$root/build-windows-package}"
source "$root/scripts/lib/windows-env.sh"
source "$root/scripts/lib/release-env.sh"
source "$root/scripts/lib/virtual-screen.sh"

install_packages wine wine64 unzip xvfb xauth xdotool imagemagick
[ -f "$dist/SHA256SUMS" ] || "$root/scripts/release.sh"
run_on_virtual_screen "$0" "$@"
use_fresh_home
# A new Windows user: a prefix of its own, not the one the tests run in.
export WINEPREFIX="$scratch/wine"
source "$root/scripts/windows/wine-env.sh"
# wine starts programs far more slowly than Linux does.
export SERAPHEL_WINDOW_WAIT=60

end_wine() {
    wineserver -k 2>/dev/null
}
on_exit end_wine
on_exit end_program

installer="$(release_file installer)"
archive="$(release_file archive)"
version="$(basename "$installer" | sed 's/^Seraphel-\(.*\)-windows-x64\.exe$/\1/')"
mkdir -p "$build"
ls -l "$installer" "$archive"

step "Contents of the archive"
portable="$scratch/portable"
mkdir -p "$portable"
unzip -q "$archive" -d "$portable"
(cd "$portable" && find . -type f | sort)
bin="$(dirname "$(find "$portable" -name seraphel.exe)")"
for file in platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qjpeg.dll; do
    [ -f "$bin/$file" ] || fail "the archive lacks the plugin $file"
done

# The program's licence, Qt's licences and the notices, beside the program in the given folder.
check_licences() {
    local folder="$1" file
    for file in LICENSE.txt LGPL-3.txt GPL-3.txt THIRD-PARTY-NOTICES.txt; do
        [ -s "$folder/$file" ] || fail "$file is not beside seraphel.exe in $folder"
    done
}

step "Licences and third-party notices"
check_licences "$bin"
notices="$bin/THIRD-PARTY-NOTICES.txt"
source_archive="Seraphel-$version-qt-source.tar"
grep -qF "$source_archive" "$notices" || fail "the notices do not point to $source_archive"
[ -f "$dist/$source_archive" ] || fail "the release lacks $source_archive, which the notices point to"
# Every component the bill of materials names as compiled into Qt, or as the MinGW-w64 runtime,
# has a section of its own; the Markdown reader, which the Windows Qt leaves out, has none.
bom="$(release_file bom)"
python3 - "$bom" "$notices" <<'CHECK'
import json, re, sys
bom = json.load(open(sys.argv[1], encoding="utf-8"))
titles = set(re.findall(r"^\d+\. (.+?)\r?$", open(sys.argv[2], encoding="utf-8").read(), re.M))
qt = next(c for c in bom["components"] if c["bom-ref"] == "qt")
bundled = [c for c in qt["components"] if c["bom-ref"].startswith("qt-bundled:")]
runtime = [c for c in bom["components"] if c["bom-ref"].startswith("mingw-w64:")]
expected = {f"Qt {qt['version']}"} | {f"{c['name']} {c.get('version', '')}".strip() for c in bundled} | \
    {f"{c['name']} {c['version']} (MinGW-w64 runtime)" for c in runtime}
missing = expected - titles
if missing or not bundled or not runtime:
    sys.exit(f"the notices lack sections for: {sorted(missing)}")
if any("MD4C" in t for t in titles):
    sys.exit("the notices name MD4C, which the Windows Qt is built without")
print(f"the notices have all {len(expected)} sections of the bill of materials")
CHECK

step "Every imported DLL is shipped or part of Windows"
wine_prepare
system32="$WINEPREFIX/drive_c/windows/system32"
shipped="$(find "$bin" -maxdepth 1 -iname '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]')"
used=""
while IFS= read -r -d '' file; do
    while read -r dll; do
        dll="${dll,,}"
        used+="$dll"$'\n'
        # api-ms-win-* and ext-ms-win-* name API sets, which Windows resolves to its own DLLs.
        grep -qxF "$dll" <<<"$shipped" || [ -f "$system32/$dll" ] || [[ "$dll" == api-ms-win-* ]] ||
            [[ "$dll" == ext-ms-win-* ]] ||
            fail "$(basename "$file") imports $dll, which is neither shipped nor part of Windows"
    done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$bin" -iname '*.exe' -print0 -o -iname '*.dll' -print0)
for dll in $shipped; do
    grep -qxF "$dll" <<<"$used" || fail "$dll is shipped but nothing loads it"
done
echo "imports resolved"

# Starts a seraphel.exe, waits for its main window and takes a screenshot.
start_shown() {
    local program="$1" shot="$2"
    start_until_shown "$(window_caption "$version")" wine "$program"
    sleep 1
    import -window root "$shot"
    echo "main window shown; screenshot in $shot"
}

# The registry's keys and values under HKLM\Software and HKCU\Software, one a line, each
# value after its key, sorted for comm. Left out are wine's own keys, which change by themselves
# while programs run: where wine notes what it did for the program and the shortcuts (system
# parameters, Linux menu entries), and the network cards its services list once started.
registry_entries() {
    local hive file="$scratch/registry.reg"
    for hive in 'HKLM\Software' 'HKCU\Software'; do
        wine reg export "$hive" "$(windows_path "$file")" /y >/dev/null
        # reg writes UTF-16 with CRLF line ends.
        iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' | awk '/^\[/ { key = $0; print key; next } NF { print key " " $0 }'
    done | grep -v -e '^\[HKEY_[A-Z_]*\\Software\\Wine[]\\]' \
        -e '^\[HKEY_LOCAL_MACHINE\\Software\\\(Wow6432Node\\\)\{0,1\}Microsoft\\Windows NT\\CurrentVersion\\NetworkCards[]\\]' |
        LC_ALL=C sort
}

step "Installing silently"
registry_entries >"$scratch/registry-before"
wine "$installer" /S
target="$WINEPREFIX/drive_c/Program Files/Seraphel"
[ -f "$target/bin/seraphel.exe" ] || fail "the installer put no bin\\seraphel.exe into Program Files\\Seraphel"
[ -f "$target/Uninstall.exe" ] || fail "the installer left no uninstaller"
shortcut="$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Seraphel*/Seraphel.lnk' | head -n 1)"
[ -n "$shortcut" ] || fail "the installer made no Start-menu shortcut"
check_licences "$target/bin"
echo "installed into Program Files\\Seraphel; shortcut ${shortcut#"$WINEPREFIX/"}"

step "Starting the installed program"
start_shown "$target/bin/seraphel.exe" "$build/installed-main-window.png"

# Its files are in use: a silent installer or uninstaller ends with an error and changes nothing.
step "Installing and uninstalling refused while the program runs"
installed_state() {
    find "$target" "$menu_folder" -printf '%P %s %T@\n' | LC_ALL=C sort
    registry_entries
}
menu_folder="$(dirname "$shortcut")"
installed_state >"$scratch/state-before"
status=0
wine "$installer" /S || status=$?
[ "$status" -ne 0 ] || fail "the installer ran over the running program and said nothing"
status=0
# _?= runs the uninstaller in place, so its status is the one it ends with. It takes the rest of
# the command line unquoted: the folder's short name has no blank that wine would quote.
wine "$target/Uninstall.exe" /S '_?=C:\PROGRA~1\Seraphel' || status=$?
[ "$status" -ne 0 ] || fail "the uninstaller ran beside the running program and said nothing"
diff "$scratch/state-before" <(installed_state) || fail "a refused run changed the installation"
echo "both refused with nothing changed"
leave_through_file_exit

step "Installing over the closed program"
wine "$installer" /S || fail "the installer failed over the closed program"
[ -f "$target/bin/seraphel.exe" ] || fail "installing over the closed program left no bin\\seraphel.exe"

step "Uninstalling"
wine "$target/Uninstall.exe" /S
# The uninstaller runs a copy of itself from the temporary folder and returns at once; the
# Start-menu folder is the last thing it removes.
for _ in $(seq 150); do
    [ -e "$target" ] || [ -e "$menu_folder" ] || break
    sleep 0.2
done
[ -e "$target" ] && fail "Program Files\\Seraphel is left after uninstalling: $(find "$target")"
[ -e "$menu_folder" ] && fail "the Start-menu folder is left after uninstalling: $(find "$menu_folder")"
vendor="$(sed -n 's/^set(SERAPHEL_DEVELOPER "\(.*\)")$/\1/p' "$root/packaging/CMakeLists.txt")"
[ -n "$vendor" ] || fail "packaging/CMakeLists.txt names no vendor"
wine reg query "HKLM\\Software\\$vendor" >/dev/null 2>&1 &&
    fail "the key HKLM\\Software\\$vendor is left after uninstalling"
# What is new in the registry since before installing, but for the program's own setting,
# which stays as Windows programs keep theirs.
left="$(LC_ALL=C comm -13 "$scratch/registry-before" <(registry_entries) |
    grep -v -e '^\[HKEY_CURRENT_USER\\Software\\seraphel[]\\]' || true)"
[ -z "$left" ] || fail "the registry keeps after uninstalling: $left"
echo "removed"

step "Starting the portable archive from a folder of its own"
start_shown "$bin/seraphel.exe" "$build/portable-main-window.png"
leave_through_file_exit

step "Done: $(basename "$installer") installs, starts and uninstalls; $(basename "$archive") runs where it is unpacked"
