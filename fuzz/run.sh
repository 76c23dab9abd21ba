#!/usr/bin/env bash
# Builds the core fuzz target with clang in its own build directory and runs
# it for the given number of seconds (default 30), starting from the seed
# corpus. New inputs go to a scratch corpus, crashes to the build directory.
# Further arguments are passed to cmake's configure step.
set -euo pipefail

seconds="${1:-30}"
shift || true
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZENTAVO_FUZZ_BUILD_DIR:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++-19 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENTAVO_BUILD_FUZZ=ON -DZENTAVO_BUILD_TESTS=OFF -DZENTAVO_BUILD_APP=OFF "$@" >/dev/null
cmake --build "$build" --target core_fuzz -j2

corpus="$build/core_corpus"
mkdir -p "$corpus"
"$build/fuzz/core_fuzz" "$corpus" "$root/fuzz/corpus/core" \
    -dict="$root/fuzz/core_fuzz.dict" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$build/" -print_final_stats=1
