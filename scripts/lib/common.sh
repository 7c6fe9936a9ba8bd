# shellcheck shell=bash
# Shared by the project's scripts: running a command as root, installing missing Debian
# packages, reporting steps and failures, a scratch folder with what goes when the script ends,
# and the CMake options every build of CI adds. Source this file.

# Runs the command as root: directly when the script already is, otherwise through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Whether the Debian package is installed. The pipe ends in grep >/dev/null, not grep -q:
# grep -q may stop reading early, and under pipefail the writer's broken pipe would count.
package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep 'install ok installed' >/dev/null
}

# Installs the named Debian packages that are not installed yet; says so on stderr.
install_packages() {
    local missing=() package
    for package in "$@"; do
        package_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}" >&2
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q >&2
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >&2
}

fail() {
    echo "$0: $*" >&2
    exit 1
}

step() {
    printf '\n== %s\n' "$*"
}

# Has the command, with its arguments as they are now, run when the script ends, before those
# registered earlier: the scratch folder, registered first, goes after what the script started
# in it. One that fails keeps none of the others from running.
on_exit() {
    exit_commands=("$(printf '%q ' "$@")" "${exit_commands[@]}")
    # shellcheck disable=SC2154 # the loop assigns command, which shellcheck misses in trap's code
    trap 'for command in "${exit_commands[@]}"; do eval "$command" || true; done' EXIT
}

# A folder of the script's own in $scratch, removed when it ends.
make_scratch() {
    scratch="$(mktemp -d)"
    on_exit rm -rf "$scratch"
}

# CI treats compiler warnings as errors: the CMake options every build adds there.
ci_cmake_options=()
# shellcheck disable=SC2034 # the scripts that source this file use it
if [ -n "${CI:-}" ]; then
    ci_cmake_options=(-DSERAPHEL_WERROR=ON)
fi
