#!/usr/bin/env bash
# Runs one end-to-end script on its own virtual X server; 77 tells ctest the test was skipped.
set -euo pipefail
for tool in xvfb-run xdotool xclip import identify compare; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed" >&2
        exit 77
    fi
done
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$1"
