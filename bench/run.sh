#!/usr/bin/env bash
# Runs every benchmark program of the build folder and prints its figures.
set -euo pipefail
build=$1
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b"
done
