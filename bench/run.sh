#!/usr/bin/env bash
# Builds the benchmarks into build-bench/ with the flags the program ships
# with, and runs them: every user action and the floor it is held against,
# each repeated, the medians compared in a table at the end. Exits non-zero
# when a target is missed. Extra arguments go to Google Benchmark (e.g.
# --benchmark_filter=Save).
#
#     bash bench/run.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DKOVEX_BENCH=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kovex-bench

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "load $(cut -d' ' -f1-3 /proc/loadavg)"
# The repetitions of all benchmarks run in a shuffled order, so that a slow
# spell of a shared machine or disk falls on actions and floors alike; each
# warms up first, so that a short loop after a disk wait is not timed cold.
"$build/bench/kovex-bench" --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
    --benchmark_min_warmup_time=0.05 --benchmark_report_aggregates_only=true --benchmark_min_time=0.1 "$@"
