#!/usr/bin/env bash
# Fuzzes the readers of every file the user can damage: builds the fuzz targets with clang
# (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer; the core library only) into
# build-fuzz/ and runs each for a short while from its seed corpus in tests/fuzz/corpus/.
# Inputs found on the way go to a scratch folder; a crash leaves its input in build-fuzz/.
# Skipped when clang with libFuzzer is not installed.
# Usage: scripts/fuzz.sh [seconds per target, 10 by default]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
    >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    echo "fuzz.sh: clang with libFuzzer not found; fuzzing skipped"
    exit 0
fi

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVELARCANA_SANITIZE=ON -DVELARCANA_FUZZ=ON -DBUILD_TESTING=OFF \
    -DVELARCANA_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target velarcana_fuzzers

export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for corpus in tests/fuzz/corpus/*/; do
    target=$(basename "$corpus")
    found="$probe/$target"
    log="$probe/$target.log"
    mkdir -p "$found"
    echo "== $target: ${seconds}s"
    if ! (cd build-fuzz && "tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 "$found" "../$corpus" >"$log" 2>&1); then
        cat "$log"
        echo "fuzz.sh: $target found a fault; the input is in build-fuzz/"
        exit 1
    fi
    grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)" "$log"
done
