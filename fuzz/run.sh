#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own build directory and runs
# each for the given number of seconds (default 30), starting from its seed
# corpus. New inputs go to a scratch corpus, crashes to the build directory.
# Further arguments are passed to cmake's configure step.
set -euo pipefail

seconds="${1:-30}"
shift || true
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZENTAVO_FUZZ_BUILD_DIR:-$root/build-fuzz}"
targets=(core uri_list command_line)

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++-19 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENTAVO_BUILD_FUZZ=ON -DZENTAVO_BUILD_TESTS=OFF -DZENTAVO_BUILD_APP=OFF "$@" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzz}"

# The symbolizer of the same clang, when installed, names the lines of a crash.
if symbolizer="$(command -v llvm-symbolizer-19)"; then
    export ASAN_SYMBOLIZER_PATH="$symbolizer"
fi

for target in "${targets[@]}"; do
    corpus="$build/${target}_corpus"
    mkdir -p "$corpus"
    dict=()
    [ -f "$root/fuzz/${target}_fuzz.dict" ] && dict=(-dict="$root/fuzz/${target}_fuzz.dict")
    echo "Fuzzing $target for $seconds seconds" >&2
    "$build/fuzz/${target}_fuzz" "$corpus" "$root/fuzz/corpus/$target" "${dict[@]}" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/${target}-" -print_final_stats=1
done
