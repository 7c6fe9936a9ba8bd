#!/usr/bin/env bash
# Signs the release in the given folder (dist/ or SERAPHEL_DIST_DIR by default), in place. With a
# code-signing certificate, SERAPHEL_AUTHENTICODE_P12 (a PKCS#12 file) and
# SERAPHEL_AUTHENTICODE_PASSWORD, it signs the installer and the seraphel.exe of the portable
# archive with Authenticode, writes the archive again around the signed program, and takes their
# hashes anew into the bill of materials; with an OpenPGP key, SERAPHEL_GPG_KEY (from GNUPGHOME),
# it writes SHA256SUMS.asc, a detached signature of SHA256SUMS, which it writes anew first. No key
# ever lies in the repository.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/common.sh"
source "$root/scripts/lib/release-env.sh"
dist="$(realpath "${1:-$dist}")"

p12="${SERAPHEL_AUTHENTICODE_P12:-}"
key="${SERAPHEL_GPG_KEY:-}"
[ -n "$p12$key" ] || fail "neither SERAPHEL_AUTHENTICODE_P12 nor SERAPHEL_GPG_KEY is set: nothing to sign with"
install_packages osslsigncode gnupg zip unzip
release_environment "$root"
make_scratch

# Signs a Windows program in place. The password goes through a pipe, never the command line.
authenticode_sign() {
    local program="$1"
    osslsigncode sign -pkcs12 "$p12" -readpass <(printf '%s' "${SERAPHEL_AUTHENTICODE_PASSWORD:-}") -h sha256 \
        -n Seraphel -in "$program" -out "$scratch/signed.exe" >/dev/null
    mv "$scratch/signed.exe" "$program"
}

if [ -n "$p12" ]; then
    step "Authenticode"
    installer="$(release_file installer)"
    archive="$(release_file archive)"
    authenticode_sign "$installer"
    unzip -q "$archive" -d "$scratch/portable"
    folder="$(ls -d "$scratch"/portable/*)"
    authenticode_sign "$folder/bin/seraphel.exe"
    make_release_zip "$folder" "$archive"
    python3 "$root/scripts/lib/release-sbom.py" refresh --dist "$dist" --output "$(release_file bom)"
    echo "signed $(basename "$installer") and the seraphel.exe of $(basename "$archive")"
fi

write_release_checksums "$dist"
if [ -n "$key" ]; then
    step "OpenPGP"
    gpg --batch --yes --local-user "$key" --armor --detach-sign --output "$dist/SHA256SUMS.asc" "$dist/SHA256SUMS"
    echo "signed SHA256SUMS with $key"
fi
