#!/usr/bin/env bash
# Runs every benchmark program of the build folder and prints its figures, then the start-up
# comparison.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$b"
done
echo "== start-up"
bash "$here/startup.sh" "$build"
