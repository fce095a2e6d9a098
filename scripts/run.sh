#!/usr/bin/env bash
# Builds the program and shows the bundled example register.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BELVANE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
"$build/src/cli/belvane-tool" info "$root/examples/exemple.blv"
