#!/usr/bin/env bash
# Builds the program and starts it on the bundled example register.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BELVANE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
register="$root/examples/exemple.blv"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display here: the example register as belvane-tool sees it." >&2
    exec "$build/src/cli/belvane-tool" info "$register"
fi
exec "$build/src/app/belvane" "$register"
