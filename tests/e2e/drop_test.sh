#!/usr/bin/env bash
# A file dragged from another program and dropped on the picture box becomes its picture: the
# box takes the picture's size, which the next copy shows.
source "$(dirname "$0")/e2e_lib.sh"

"$QC_CLI" render --template 27 --zoom -3 -o "$WORK/dropped.png"
expected=$(picture_size "$WORK/dropped.png")

start_app
"$QC_DRAG_SOURCE" "$WORK/dropped.png" 900 100 &
SOURCE_PID=$!
trap 'kill $SOURCE_PID 2>/dev/null || true; cleanup' EXIT
wait_for 15 xdotool search --onlyvisible --name '^drag source$' || fail "no drag source appeared"

read -r x y < <(window_origin)
xdotool mousemove 950 150 mousedown 1
# Small steps, so both sides see the pointer travel as a real drag does.
for step in $(seq 1 10); do
    xdotool mousemove $((950 + (x + 150 - 950) * step / 10)) $((150 + (y + 150 - 150) * step / 10))
    sleep 0.05
done
xdotool mouseup 1

xdotool windowfocus --sync "$WINDOW"
deadline=$((SECONDS + 10))
while :; do
    copy_to_file "$WORK/clip.png"
    [ "$(picture_size "$WORK/clip.png")" = "$expected" ] && break
    [ "$SECONDS" -lt "$deadline" ] || fail "box is $(picture_size "$WORK/clip.png") after the drop, not $expected"
done
echo "dropped picture shown at $expected"
