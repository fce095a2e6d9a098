#!/usr/bin/env bash
# Measures what the test suite covers of src/ (a Debug build with --coverage in
# build-coverage/, or $BELVANE_COVERAGE_DIR) and how big the tests are against
# src/, in non-blank lines of the .cpp and .h files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BELVANE_COVERAGE_DIR:-$root/build-coverage}
"$root/scripts/install-deps.sh"
if ! command -v gcovr >/dev/null; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "gcovr is missing (apt-get install gcovr)" >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends gcovr
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
    -DCMAKE_SHARED_LINKER_FLAGS=--coverage -DCMAKE_MODULE_LINKER_FLAGS=--coverage >/dev/null
# ccache with a base_dir compiles with relative source paths, which gcovr then
# cannot find: the coverage build goes straight to the compiler.
CCACHE_DISABLE=1 cmake --build "$build" -j "$(nproc)"
find "$build" -name '*.gcda' -delete
(cd "$build" && ctest -j "$(nproc)" >/dev/null) || echo "some tests failed; coverage is of the run as it went" >&2
gcovr -r "$root" --filter "$root/src/" --object-directory "$build" --print-summary -o /dev/null

cd "$root"
lines() { git ls-files "$1" | grep -E '\.(cpp|h)$' | xargs cat | grep -c -v -E '^\s*$'; }
tests=$(lines tests)
code=$(lines src)
echo "tests: $tests lines, src: $code lines ($((1000 * tests / code / 10)).$((1000 * tests / code % 10)) %)"
