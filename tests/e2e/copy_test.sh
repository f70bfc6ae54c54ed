#!/usr/bin/env bash
# After a click on 按钮1 the clipboard holds the picture box as the screen shows it, caption
# included, at the box's size.
source "$(dirname "$0")/e2e_lib.sh"

start_app
xdotool windowfocus --sync "$WINDOW"
copy_to_file "$WORK/clip.png"
[ "$(picture_size "$WORK/clip.png")" = "379 384" ] ||
    fail "clipboard picture is $(picture_size "$WORK/clip.png"), not 379 384"

# The same rectangle from the screen: the box lies at (5, 16) in the client area.
read -r x y < <(window_origin)
import -window root -crop "379x384+$((x + 5))+$((y + 16))" +repage "$WORK/screen.png"
differing=$(compare -metric AE "$WORK/clip.png" "$WORK/screen.png" null: 2>&1 || true)
[ "$differing" = "0" ] || fail "$differing pixels differ from the screen"
echo "clipboard holds the 379x384 box as shown"
