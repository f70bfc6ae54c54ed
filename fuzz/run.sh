#!/usr/bin/env bash
# Runs every fuzzer in the build folder for the given seconds, starting from its seed corpus.
set -euo pipefail
build=$1; seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
status=0
for fuzzer in "$build"/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer"); format=${name#fuzz_}
    work="$build/fuzz/corpus-$format"; mkdir -p "$work"
    seeds="$here/corpus/$format"
    echo "== $name for ${seconds}s"
    if ! "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=1536 -timeout=10 \
        -print_final_stats=1 "$work" ${seeds:+$( [ -d "$seeds" ] && echo "$seeds")} 2>"$build/fuzz/$name.log"; then
        tail -n 40 "$build/fuzz/$name.log"; status=1
    else
        grep -E 'stat::number_of_executed_units|Done' "$build/fuzz/$name.log" | tail -n 2
    fi
done
exit $status
