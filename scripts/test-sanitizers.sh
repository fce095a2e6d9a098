#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ (or $BELVANE_ASAN_DIR), at -O1 and without the benchmarks to
# keep it quick, and runs every test under them, the headless GUI tests
# included. Any memory fault, leak or undefined behaviour fails the test it
# happens in. Leaks inside Qt and the libraries below it are suppressed by
# scripts/lsan-qt.supp, those of libofx by scripts/lsan-libs.supp.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BELVANE_ASAN_DIR:-$root/build-asan}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DBELVANE_SANITIZE=ON -DBELVANE_BUILD_BENCH=OFF \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1
# LeakSanitizer reads one suppressions file: those of Qt and of the other libraries, joined.
cat "$root/scripts/lsan-qt.supp" "$root/scripts/lsan-libs.supp" >"$build/lsan.supp"
export LSAN_OPTIONS=suppressions=$build/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure -j "$(nproc)"
