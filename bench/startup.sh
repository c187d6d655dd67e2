#!/usr/bin/env bash
# Start-up of the calculator against a minimal Qt window of the same size with one line of Chinese
# text: time from launch until the window is viewable on an X server, and peak memory, over
# alternating runs. Run after a default build: bash bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --measure
runs=${1:-15}
build=build/default

display=:77
Xvfb $display -screen 0 1024x768x24 -dpi 96 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1

# Prints "milliseconds peak_kib" for one launch of program $1 whose window is titled $2.
measure() {
    local log start end
    log=$(mktemp)
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$log" "$1" >/dev/null 2>&1 &
    local timer=$!
    until xwininfo -name "$2" 2>/dev/null | grep -q IsViewable; do sleep 0.002; done
    end=$(date +%s%N)
    sleep 0.3  # let it settle to its resting memory
    pkill -f "^$1\$" || true
    wait $timer 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) $(tail -n 1 "$log")"
    rm -f "$log"
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

: >/tmp/startup.program; : >/tmp/startup.minimal
for _ in $(seq "$runs"); do
    measure "$PWD/$build/bench/minimal_window" Minimal >>/tmp/startup.minimal
    measure "$PWD/$build/app/vardelin" Vardelin >>/tmp/startup.program
done

for which in minimal program; do
    echo "$which: median $(cut -d' ' -f1 /tmp/startup.$which | median) ms to the window," \
         "median peak $(cut -d' ' -f2 /tmp/startup.$which | median) KiB"
done
