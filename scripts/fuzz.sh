#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on its seed
# corpus. Any crash, sanitizer report or broken property fails the script.
# Usage: scripts/fuzz.sh [seconds per target, default 30]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${SERAPHEL_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-30}"
source "$root/scripts/lib/common.sh"

"$root/scripts/setup.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSERAPHEL_FUZZ=ON \
    -DSERAPHEL_BUILD_TESTS=OFF -DSERAPHEL_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j "$(nproc)" --target seraphel_fuzzers

make_scratch
for corpus in "$root"/fuzz/corpus/*/; do
    name="$(basename "$corpus")"
    echo "== fuzz_$name for ${seconds}s"
    mkdir -p "$scratch/$name"
    # New inputs go to a scratch folder; the seed corpus in the repository stays as it is.
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$scratch/" "$scratch/$name" "$corpus"
done
echo "fuzzing finished without findings"
