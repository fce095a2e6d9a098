#!/usr/bin/env bash
# Draws the main window on the example register into docs/screenshot.png (or
# the file given), without a display. Builds the program first when needed.
# Needs fonts-liberation2 for the register's fonts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BELVANE_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshot.png}
program=$build/src/app/belvane

if [ ! -x "$program" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target belvane -j "$(nproc)"
fi

# Settings of its own: no first-start dialog, a fixed window size, and the
# user's own settings left alone.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config/Orlenko"
cat >"$scratch/config/Orlenko/Belvane.conf" <<'CONF'
[Settings]
FirstTimeUse=0
CmdShow=1
PositionX=0
PositionY=0
PositionWidth=1100
PositionHeight=600
CONF

mkdir -p "$(dirname "$out")"
XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=offscreen \
    "$program" --screenshot "$out" "$root/examples/exemple.blv"
echo "$out"
