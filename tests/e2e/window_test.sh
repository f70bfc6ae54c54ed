#!/usr/bin/env bash
# The window opens with a 636 × 450 client area, and Esc ends the program with code 0.
source "$(dirname "$0")/e2e_lib.sh"

start_app
geometry=$(xdotool getwindowgeometry --shell "$WINDOW" | awk -F= '/^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print w "x" h}')
[ "$geometry" = "636x450" ] || fail "window is $geometry, not 636x450"

xdotool windowfocus --sync "$WINDOW"
xdotool key --clearmodifiers Escape
deadline=$((SECONDS + 10))
while kill -0 "$APP_PID" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || fail "Esc did not end the program"
    sleep 0.1
done
set +e
wait "$APP_PID"
code=$?
set -e
APP_PID=
[ "$code" -eq 0 ] || fail "the program ended with code $code"
echo "window 636x450, Esc ended it with 0"
