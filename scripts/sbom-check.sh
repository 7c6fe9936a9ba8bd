#!/usr/bin/env bash
# Validates a release's bill of materials (the one in dist/ or SERAPHEL_DIST_DIR, or the file
# given) against the CycloneDX 1.6 schema, strictly, with the CycloneDX project's own JavaScript
# library. The library is installed at the versions scripts/sbom/package-lock.json pins, once,
# into a cache folder outside the work tree; Debian's Node.js is installed where the machine has
# none.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/lib/common.sh"
source "$root/scripts/lib/release-env.sh"

bom="${1:-$(release_file bom)}"
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    install_packages nodejs npm
fi
tools="$root/scripts/sbom"
key="$(cat "$tools"/package.json "$tools"/package-lock.json "$tools"/validate.mjs | sha256sum | cut -c1-12)"
validator="${XDG_CACHE_HOME:-$HOME/.cache}/seraphel-sbom-validator/$key"
if [ ! -f "$validator/.complete" ]; then
    rm -rf "$validator"
    mkdir -p "$validator"
    cp "$tools"/package.json "$tools"/package-lock.json "$tools"/validate.mjs "$validator/"
    (cd "$validator" && npm ci --omit=optional --ignore-scripts --no-audit --no-fund --loglevel=error >&2)
    touch "$validator/.complete"
fi
node "$validator/validate.mjs" "$bom"
