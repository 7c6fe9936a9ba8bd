#!/usr/bin/env bash
# Fails when a C++ file of the project, committed or new, differs from what clang-format makes
# of it with the repository's .clang-format, and shows each place. Fix with clang-format -i.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

"$root/scripts/setup.sh"
files=()
while IFS= read -r -d '' file; do
    # A file deleted but not yet committed is still listed.
    if [ -f "$file" ]; then
        files+=("$file")
    fi
done < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
