#!/bin/sh
# Start-up of the window program with a project, until its main window is mapped, measured
# under Xvfb: the script polls for the visible window every 5 ms (xdotool's own --sync waits
# half a second between tries, which would hide everything below that) and prints the time
# and the resident memory at that moment, per run and as the median.
#   bench/startup.sh [build directory] [project] [runs]
# Needs Xvfb and xdotool (not build dependencies: install them for measuring).
set -e
build=${1:-build}
project=${2:-$build/bin/resources/examples/masonry_wall_interior_insulation.m2p}
runs=${3:-9}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "startup.sh: $tool is not installed" >&2; exit 2; }
done
home=$(mktemp -d)
display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
sleep 1
times=""
i=0
failed=0
while [ $i -lt "$runs" ]; do
    start=$(date +%s%N)
    DISPLAY=$display HOME=$home "$build/bin/Mirelo2" "$project" >"$home/run.log" 2>&1 &
    pid=$!
    ended=""
    until DISPLAY=$display xdotool search --onlyvisible --pid $pid --name Mirelo >/dev/null 2>&1; do
        # The polls are many short X connections: now and then Xvfb refuses one, the program's
        # among them, and the program ends before it has a window. Such a run is started again.
        if ! kill -0 $pid 2>/dev/null; then
            ended=yes
            break
        fi
        sleep 0.005
    done
    if [ -n "$ended" ]; then
        wait $pid 2>/dev/null || true
        failed=$((failed + 1))
        echo "run $((i + 1)): the program ended without a window ($(head -n 1 "$home/run.log")), started again"
        [ $failed -lt 10 ] || { echo "startup.sh: ten runs ended without a window" >&2; exit 1; }
        continue
    fi
    end=$(date +%s%N)
    rss=$(ps -o rss= -p $pid)
    ms=$(((end - start) / 1000000))
    echo "run $((i + 1)): ${ms} ms to the mapped window, $((rss / 1024)) MB resident"
    times="$times $ms"
    kill $pid
    wait $pid 2>/dev/null || true
    i=$((i + 1))
done
echo "$times" | tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{a[NR]=$1} END {print "median: " a[int((NR+1)/2)] " ms"}'
