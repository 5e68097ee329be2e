#!/usr/bin/env bash
# Installs what is missing, builds Mirelo 2 and runs every test: first the normal build (build/),
# then the foundation, settings and core tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), built with clang, so that both compilers check the code
# without a third build. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
# One compile job more than cores: while one job waits for the disk or the linker, the cores
# still have work.
build_jobs=$((jobs + 1))

# Ninja where a build tree is new (one configured with another generator is kept as it is): it
# compiles a library's dependents while the library is still being archived and keeps both cores
# busy across targets.
generator() {
    if command -v ninja >/dev/null 2>&1 && [ ! -f "$1/CMakeCache.txt" ]; then
        echo "-GNinja"
    fi
}

cmake -S . -B build $(generator build) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$build_jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

# A sanitizer build configured earlier with another compiler is set up afresh.
if [ -f build-asan/CMakeCache.txt ] &&
    ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' build-asan/CMakeCache.txt; then
    rm -rf build-asan
fi
cmake -S . -B build-asan $(generator build-asan) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DM2_SANITIZE=ON \
    -DM2_BUILD_UI=OFF -DM2_BUILD_BENCH=OFF >/dev/null
# Only what the tests run below need: their executables and what they read (no manual, no tools).
cmake --build build-asan -j "$build_jobs" --target tests_htl tests_settings tests_core
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" -L 'htl|settings|core')

echo "test.sh: all tests passed"
