#!/usr/bin/env bash
# Fails when a C++ file of the project, committed or new, differs from what clang-format makes
# of it with the repository's .clang-format, and shows each place (fix with clang-format -i);
# and when shellcheck finds fault with a shell script, by its name (*.sh) or its first line.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

"$root/scripts/setup.sh"
sources=() scripts=()
while IFS= read -r -d '' file; do
    # A file deleted but not yet committed is still listed.
    [ -f "$file" ] || continue
    case "$file" in
    *.cpp | *.h) sources+=("$file") ;;
    *.sh) scripts+=("$file") ;;
    *) if head -n 1 "$file" | grep -E '^#!.*[/ ](ba)?sh$' >/dev/null; then scripts+=("$file"); fi ;;
    esac
done < <(git ls-files -z --cached --others --exclude-standard)
clang-format --dry-run --Werror "${sources[@]}"
# From the root, where .shellcheckrc has it look for the files the scripts source.
shellcheck "${scripts[@]}"
