# Shared by the Windows scripts: where the Windows Qt and wine's prefix are kept, and how
# missing Debian packages are installed.

SERAPHEL_WINDOWS_CACHE="${SERAPHEL_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/seraphel-windows}"
mkdir -p "$SERAPHEL_WINDOWS_CACHE"

windows_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs the named Debian packages that are not installed yet.
windows_install_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}" >&2
    windows_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q >&2
    windows_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}" >&2
}
