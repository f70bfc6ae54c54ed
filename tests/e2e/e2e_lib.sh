# Helpers shared by the end-to-end scripts; they run on the X server xvfb-run started.
set -euo pipefail

WORK=$(mktemp -d)
APP_PID=
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Retries a command every 0.1 s until it succeeds or `seconds` pass.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Starts the program with an empty home and sets WINDOW to its main window.
start_app() {
    mkdir -p "$WORK/home"
    HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" "$QC_APP" &
    APP_PID=$!
    wait_for 15 xdotool search --onlyvisible --name '^Quipcanvas$' || fail "no window appeared"
    WINDOW=$(xdotool search --onlyvisible --name '^Quipcanvas$' | head -n 1)
}

# The client area's top-left corner on the screen: "X Y".
window_origin() {
    xdotool getwindowgeometry --shell "$WINDOW" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

# Clicks at a point of the main window's client area.
click_in_window() {
    xdotool mousemove --window "$WINDOW" "$1" "$2"
    xdotool click 1
}

clipboard_has_image() {
    xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx 'image/png'
}

# Copies the picture with 按钮1 and stores the clipboard's PNG in the file given.
copy_to_file() {
    xclip -selection clipboard -i /dev/null  # empty it, so a stale picture cannot pass
    click_in_window 457 417
    wait_for 10 clipboard_has_image || fail "the clipboard holds no picture after the copy"
    xclip -selection clipboard -t image/png -o >"$1"
}

picture_size() {
    identify -format '%w %h' "$1"
}
