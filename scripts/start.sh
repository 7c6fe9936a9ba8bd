#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds Seraphel and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# A build folder of its own: the tests' build (scripts/test.sh) keeps its options.
build="${SERAPHEL_PROGRAM_BUILD_DIR:-$root/build-program}"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSERAPHEL_BUILD_TESTS=OFF -DSERAPHEL_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j "$(nproc)"
exec "$build/app/seraphel"
