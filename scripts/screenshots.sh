#!/bin/sh
# Takes the pictures of the user manual from the program itself (offscreen, the timber-frame
# example open) and puts them where the manual's sources expect them; the next build renders
# the manual with them. Run after changing what a window looks like, from a built tree:
#   scripts/screenshots.sh [build directory]
set -e
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target mirelo2-screenshots
# each manual shows the program in its own language
for lang in en de pl; do
    mkdir -p "docs/manual/images/$lang"
    "$build/bin/mirelo2-screenshots" "docs/manual/images/$lang" "$lang"
done
