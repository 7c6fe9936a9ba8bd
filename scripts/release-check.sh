#!/usr/bin/env bash
# Checks the release in dist/ (from scripts/release.sh) as a distributor would:
# 1. Rebuilds it from a clone of the same commit in another folder, with another time zone,
#    umask and locale, and compares the two SHA256SUMS; on a difference it prints diffoscope's
#    report of each differing file and fails.
# 2. Signs the rebuilt release with a throwaway certificate authority, code-signing certificate
#    and OpenPGP key, made in a temporary home, and checks the Authenticode signatures against
#    that authority, the OpenPGP signature, and that removing the Authenticode signatures gives
#    back the unsigned files byte for byte.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/common.sh"
source "$root/scripts/lib/release-env.sh"

[ -f "$dist/SHA256SUMS" ] || fail "no release in $dist: run scripts/release.sh first"
install_packages osslsigncode gnupg openssl unzip locales
make_scratch
# The throwaway key's agent, which gpg starts, ends with the keys.
on_exit env GNUPGHOME="$scratch/keys/gnupg" gpgconf --kill gpg-agent

step "Rebuilding the release elsewhere"
other="$scratch/another folder/seraphel"
mkdir -p "$(dirname "$other")"
# French, compiled into a folder of its own: the machine's own locales stay as they are.
mkdir "$scratch/locales"
localedef -i fr_FR -f UTF-8 "$scratch/locales/fr_FR.UTF-8"
(
    umask 077
    export LOCPATH="$scratch/locales"
    export TZ=Pacific/Kiritimati LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 LANGUAGE=fr
    unset SERAPHEL_DIST_DIR SERAPHEL_AUTHENTICODE_P12 SERAPHEL_GPG_KEY
    git clone --quiet --no-hardlinks "$root" "$other"
    git -C "$other" checkout --quiet --detach "$(git -C "$root" rev-parse HEAD)"
    "$other/scripts/release.sh" >"$scratch/rebuild.log" 2>&1
) || { tail -n 40 "$scratch/rebuild.log" >&2; fail "the second release build failed"; }
rebuilt="$other/dist"

step "Comparing the two builds"
if ! diff "$dist/SHA256SUMS" "$rebuilt/SHA256SUMS"; then
    install_packages diffoscope
    while read -r _ file; do
        cmp -s "$dist/$file" "$rebuilt/$file" && continue
        echo "== diffoscope: $file" >&2
        diffoscope --text - "$dist/$file" "$rebuilt/$file" >&2 || true
    done <"$dist/SHA256SUMS"
    fail "the same commit built twice gave different files"
fi
echo "both builds give the same SHA256SUMS"

step "Signing with throwaway keys"
keys="$scratch/keys"
mkdir -m 700 "$keys"
(
    cd "$keys"
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Seraphel throwaway CA" \
        -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign \
        -keyout ca.key -out ca.pem 2>/dev/null
    openssl req -newkey rsa:2048 -nodes -subj "/CN=Seraphel throwaway signer" -keyout signer.key \
        -out signer.csr 2>/dev/null
    printf '%s\n' basicConstraints=CA:FALSE keyUsage=digitalSignature extendedKeyUsage=codeSigning >signer.ext
    openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile signer.ext \
        -out signer.pem 2>/dev/null
    openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout pass:throwaway \
        -out signer.p12
)
export GNUPGHOME="$keys/gnupg"
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-gen-key "Seraphel throwaway <release@seraphel.invalid>" ed25519 sign 2d
signed="$scratch/signed"
cp -r "$rebuilt" "$signed"
SERAPHEL_AUTHENTICODE_P12="$keys/signer.p12" SERAPHEL_AUTHENTICODE_PASSWORD=throwaway \
    SERAPHEL_GPG_KEY="release@seraphel.invalid" "$root/scripts/release-sign.sh" "$signed"

step "Checking the signatures"
(cd "$signed" && sha256sum --check --quiet SHA256SUMS)
gpg --batch --verify "$signed/SHA256SUMS.asc" "$signed/SHA256SUMS"
"$root/scripts/sbom-check.sh" "$(release_file bom "$signed")"
# A signed program, its unsigned original, and a name for what is left without the signature.
check_authenticode() {
    local signed_program="$1" unsigned_program="$2"
    osslsigncode verify -CAfile "$keys/ca.pem" -in "$signed_program" >"$scratch/verify.log" ||
        { cat "$scratch/verify.log" >&2; fail "$(basename "$signed_program") carries no valid signature"; }
    osslsigncode remove-signature -in "$signed_program" -out "$scratch/removed.exe" >/dev/null
    cmp "$scratch/removed.exe" "$unsigned_program" ||
        fail "$(basename "$signed_program") without its signature is not the unsigned file"
    rm "$scratch/removed.exe"
    echo "$(basename "$signed_program"): valid, and the unsigned file once the signature is removed"
}
installer="$(basename "$(release_file installer "$rebuilt")")"
check_authenticode "$signed/$installer" "$rebuilt/$installer"
archive="$(basename "$(release_file archive "$rebuilt")")"
unzip -q "$signed/$archive" -d "$scratch/signed-portable"
unzip -q "$rebuilt/$archive" -d "$scratch/unsigned-portable"
program="$(cd "$scratch/unsigned-portable" && ls ./*/bin/seraphel.exe)"
check_authenticode "$scratch/signed-portable/$program" "$scratch/unsigned-portable/$program"
diff -r --exclude=seraphel.exe "$scratch/signed-portable" "$scratch/unsigned-portable" ||
    fail "signing changed more of the archive than its program"

step "Done: the release rebuilds byte for byte, and signing adds only signatures"
