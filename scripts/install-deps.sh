#!/usr/bin/env bash
# Installs the Debian packages Quipcanvas needs to build, run and test, and nothing that is
# already there. Quiet when everything is present.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev
    libjpeg62-turbo-dev libpng-dev zlib1g-dev
    libgtest-dev libbenchmark-dev
    fonts-noto-cjk
    xvfb xauth xdotool xclip
    imagemagick
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
