#!/usr/bin/env bash
# Fuzzes every reader of user files with libFuzzer: configures build-fuzz/ with clang and
# -DM2_FUZZ=ON (AddressSanitizer and UndefinedBehaviorSanitizer included), builds the targets
# fuzz/fuzz_*.cpp and runs each for the given number of seconds (default 60), starting from its
# committed corpus fuzz/corpus/<target>/. New inputs go to build-fuzz/corpus/<target>/, crashes to
# build-fuzz/crashes/<target>/. Exits non-zero when any target finds a crash, a leak or a timeout.
#
#   scripts/fuzz.sh [seconds] [target...]
#
# To keep what a run found, minimise it into the committed corpus:
#   build-fuzz/fuzz/fuzz_<target> -merge=1 fuzz/corpus/<target> build-fuzz/corpus/<target>
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
jobs=$(nproc 2>/dev/null || echo 2)

./scripts/install-deps.sh

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DM2_FUZZ=ON \
    -DM2_BUILD_UI=OFF -DM2_BUILD_BENCH=OFF >/dev/null

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for src in fuzz/fuzz_*.cpp; do
        name=$(basename "$src" .cpp)
        targets+=("${name#fuzz_}")
    done
fi

build_targets=()
for t in "${targets[@]}"; do
    build_targets+=("fuzz_$t")
done
if ! cmake --build build-fuzz -j "$jobs" --target "${build_targets[@]}" >build-fuzz/build.log 2>&1; then
    tail -n 30 build-fuzz/build.log >&2
    echo "fuzz.sh: the build failed, see build-fuzz/build.log" >&2
    exit 2
fi

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1
export QT_QPA_PLATFORM=offscreen

failed=()
for t in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$t
    crashes=build-fuzz/crashes/$t
    mkdir -p "$corpus" "$crashes"
    echo "fuzz.sh: $t for ${seconds} s"
    if ! build-fuzz/fuzz/fuzz_"$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" "fuzz/corpus/$t" \
        >"build-fuzz/fuzz-$t.log" 2>&1; then
        failed+=("$t")
        echo "fuzz.sh: $t FAILED, see build-fuzz/fuzz-$t.log and $crashes/" >&2
        grep -E "^(==[0-9]+==ERROR|SUMMARY)|runtime error" "build-fuzz/fuzz-$t.log" | head -5 >&2 || true
    else
        grep -E "stat::number_of_executed_units|cov:" "build-fuzz/fuzz-$t.log" | tail -2 || true
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz.sh: findings in ${failed[*]}" >&2
    exit 1
fi
echo "fuzz.sh: no findings in ${targets[*]}"
