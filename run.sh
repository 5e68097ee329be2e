#!/usr/bin/env bash
# Installs what is missing, builds Mirelo 2 and starts it, optionally with a project file.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
# Ninja for a new build tree, as test.sh does (a tree configured with another generator is kept).
generator=()
if command -v ninja >/dev/null 2>&1 && [ ! -f build/CMakeCache.txt ]; then
    generator=(-G Ninja)
fi
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are unset), so the Mirelo 2 window"
    echo "run.sh: cannot be shown. The program is built in build/bin/; start it on a desktop."
    echo "run.sh: meanwhile the headless front end calculates the example projects"
    echo "run.sh: (resources/examples/*.m2p, also copied to build/bin/resources/examples/):"
    echo
    examples=("$@")
    if [ ${#examples[@]} -eq 0 ]; then
        examples=(resources/examples/*.m2p)
    fi
    status=0
    build/bin/mirelo2-batch "${examples[@]}" || status=$?
    echo
    echo "run.sh: try 'build/bin/mirelo2-batch --json FILE.m2p' for every figure as JSON, and"
    echo "run.sh: '--set ProjectDefaults/MoistureDependentLambda=false' to override a setting."
    exit "$status"
fi

exec build/bin/Mirelo2 "$@"
