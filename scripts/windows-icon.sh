#!/usr/bin/env bash
# Rebuilds packaging/windows/seraphel.ico, the icon of the Windows executable, from the PNG
# icons in ui/icons. Run it after changing those; Windows builds use the committed file, so
# they need no ImageMagick. Needs ImageMagick's convert (scripts/setup.sh installs it).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
icons="$root/ui/icons"
# Windows picks the nearest size for each place; ImageMagick stores the 256 one as PNG.
convert "$icons"/seraphel-{16,32,48,64,128,256}.png "$root/packaging/windows/seraphel.ico"
identify "$root/packaging/windows/seraphel.ico"
