#!/usr/bin/env bash
# Configures and builds kovex into build/ (warnings are errors), with the
# benchmarks, so that they keep building and are checked like the rest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVEX_WERROR=ON -DKOVEX_BENCH=ON >/dev/null
cmake --build "$root/build" -j"$(nproc)"
