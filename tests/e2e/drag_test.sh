#!/usr/bin/env bash
# Dragging the caption with the left button: it follows the pointer from the point pressed, a
# release outside the window ends the drag, and later pointer movement leaves it where it was.
source "$(dirname "$0")/e2e_lib.sh"

# The bounding box "W H X Y" of the caption's dark glyphs inside the empty picture box, which
# lies at (5, 16) in the client area and is 379 × 384 pixels.
caption_ink() {
    local x y
    read -r x y < <(window_origin)
    import -window root -crop "379x384+$((x + 5))+$((y + 16))" +repage "$WORK/box.png"
    convert "$WORK/box.png" -colorspace Gray -threshold 40% -negate -trim \
        -format '%w %h %X %Y\n' info: | tr -d '+'
}

start_app
xdotool windowfocus --sync "$WINDOW"
read -r ox oy < <(window_origin)
read -r w0 h0 x0 y0 < <(caption_ink)
[ "$w0" -gt 50 ] || fail "no caption text found in the picture box ($w0 x $h0)"

# Pick the caption up 10, 4 pixels inside its box (the box starts at 32, 216).
xdotool mousemove $((ox + 42)) $((oy + 220)) mousedown 1
xdotool mousemove $((ox + 300)) $((oy + 60))   # one fast jump
xdotool mousemove $((ox - 10)) $((oy + 120))   # left of the window
xdotool mouseup 1
xdotool mousemove $((ox + 200)) $((oy + 300))  # back over the picture: nothing is held now

# Left −10 − 10 = −20 (52 to the left), top 120 − 4 = 116 (100 up).
expected="$w0 $h0 $((x0 - 52)) $((y0 - 100))"
ink_is_expected() { [ "$(caption_ink)" = "$expected" ]; }
wait_for 5 ink_is_expected || fail "caption ink at '$(caption_ink)', expected '$expected'"
echo "caption followed the pointer and stayed after a release outside the window"
