#!/usr/bin/env bash
# Start-up to the first painted window, whole process, under Xvfb and offscreen: our program
# against a bare Qt window of 26 controls, side by side in the same run. Prints medians (ms).
set -euo pipefail
build=$1; runs=${2:-15}
program="$build/quipcanvas"; bare="$build/bench/startup_bare_window"

median_ms() {  # command... ; runs it $runs times, prints the median wall time in ms
    local times=()
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

measure() {  # label
    local ours theirs
    theirs=$(median_ms "$bare")
    ours=$(QC_QUIT_ON_FIRST_PAINT=1 median_ms env QC_QUIT_ON_FIRST_PAINT=1 "$program")
    awk -v l="$1" -v o="$ours" -v t="$theirs" \
        'BEGIN {printf "%-8s quipcanvas %4d ms   bare window %4d ms   ratio %.2f\n", l, o, t, o / t}'
}

if [ "${3:-}" = --inside-xvfb ]; then
    measure xvfb
    exit 0
fi
QT_QPA_PLATFORM=offscreen measure offscreen
if command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" "$runs" --inside-xvfb
fi
