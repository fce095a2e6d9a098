#!/usr/bin/env bash
# Builds everything and runs every test (what CI runs): the normal build and its
# tests, then the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), then the register reader fuzzed for
# 120 s (build-fuzz/). BELVANE_QUICK=1 stops after the normal tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BELVANE_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
(cd "$build" && ctest --output-on-failure -j "$(nproc)")
if [ "${BELVANE_QUICK:-0}" = 1 ]; then
    exit 0
fi
"$root/scripts/test-sanitizers.sh"
"$root/scripts/fuzz.sh" 120
