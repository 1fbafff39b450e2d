#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang, in the address and
# undefined-behaviour sanitizer build, and runs each for SECONDS seconds
# (20 unless given) from its seeds, with its dictionary:
#   tpai       the TPAI reader: a file saved from what it read reads back
#              the same, whatever its line ends
#   numbers    the number texts: the readers take exactly the numbers they
#              should, with the right value; the shown texts read back
#   refsource  the reader of the reference-database sources (tools/mkrefdb):
#              a table or a message naming the line; the table reads back
#   jet        the Jet database reader: a database or a refusal, the rows of
#              a table written back read back, damaged sample databases too
# Only the targets and the layer libraries they link are built. The inputs each
# target found worth keeping stay in BUILD/fuzz/corpus and are the start of
# the next run; an input that broke a target is written to BUILD/fuzz/failures.
#   bash scripts/fuzz.sh [SECONDS] [BUILD]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
build=${2:-$root/build-fuzz}
targets=(tpai numbers refsource jet)
bash "$root/scripts/setup.sh"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVEX_WERROR=ON \
    -DKOVEX_SANITIZE=ON -DKOVEX_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/kovex-fuzz-}"

# Allocations dominate the TPAI target: without allocation stacks and with a
# smaller quarantine it runs faster in a quarter of the memory. Run a failure's
# input again with the defaults for the stacks.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:malloc_context_size=0:quarantine_size_mb=64
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
failed=0
for target in "${targets[@]}"; do
    corpus=$build/fuzz/corpus/$target
    log=$build/fuzz/$target.log
    mkdir -p "$corpus" "$build/fuzz/failures"
    # A TPAI file and a source are a few kilobytes, a Jet database some
    # pages; one input taking seconds is a fault of its own.
    max_len=8192
    [ "$target" = jet ] && max_len=98304
    if "$build/tests/fuzz/kovex-fuzz-$target" -max_total_time="$seconds" -timeout=10 -max_len="$max_len" \
        -print_final_stats=1 $([ -f "$root/tests/fuzz/$target.dict" ] && echo "-dict=$root/tests/fuzz/$target.dict") \
        -artifact_prefix="$build/fuzz/failures/$target-" "$corpus" "$root/tests/fuzz/seeds/$target" \
        >"$log" 2>&1; then
        result="no failure"
    else
        result="FAILED (see $log)"
        failed=1
        grep -v -e '^#' -e '^INFO:' "$log" | tail -n 40 >&2
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: ${runs:-?} executions in $seconds s, $(find "$corpus" -type f | wc -l) inputs kept, $result"
done
exit "$failed"
