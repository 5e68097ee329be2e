#!/usr/bin/env bash
# Installs what is missing, builds Mirelo 2 and starts it, optionally with a project file.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are unset), so the Mirelo 2 window"
    echo "run.sh: cannot be shown. The program is built in build/bin/; start it on a desktop."
    exit 0
fi

exec build/bin/Mirelo2 "$@"
