#!/usr/bin/env bash
# Fuzzes the register reader for SECONDS (default 60) with libFuzzer, starting
# from the seed corpus and every input that once found a fault. Fails on a
# crash, a leak, a sanitizer report, an input slower than 10 s, an allocation
# above 256 MB or more than 512 MB in use, or a failed round trip; the input is
# then left in $BELVANE_FUZZ_DIR/artifacts (copy it to fuzz/regressions/, named
# after the fault, once fixed). Builds with clang in build-fuzz/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${BELVANE_FUZZ_DIR:-$root/build-fuzz}

"$root/scripts/install-deps.sh"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBELVANE_BUILD_FUZZ=ON -DBELVANE_BUILD_GUI=OFF -DBELVANE_BUILD_TESTS=OFF \
    -DBELVANE_BUILD_BENCH=OFF $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) \
    >/dev/null
cmake --build "$build" --target belvane-fuzz-register -j "$(nproc)"

# The fuzzer adds what it finds to the first folder: a scratch copy, so that
# the corpus kept in the repository stays the reviewed one.
work="$build/corpus"
mkdir -p "$work" "$build/artifacts"
cp "$root"/fuzz/corpus/* "$work"/
regressions=()
if compgen -G "$root/fuzz/regressions/*" >/dev/null; then
    regressions=("$root/fuzz/regressions")
fi

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0
export LSAN_OPTIONS=suppressions=$root/scripts/lsan-libs.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
"$build/fuzz/belvane-fuzz-register" "$work" "${regressions[@]}" \
    -max_total_time="$seconds" -rss_limit_mb=512 -malloc_limit_mb=256 -timeout=10 \
    -max_len=131072 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
    >"$build/fuzz.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    tail -n 60 "$build/fuzz.log"
    echo "Fuzzing failed (status $status); input in $build/artifacts/" >&2
    exit "$status"
fi
# Coverage reached, executions per second and in total.
grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$build/fuzz.log"
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$build/fuzz.log"
