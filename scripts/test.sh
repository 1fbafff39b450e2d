#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. The scenario suite
# runs under two process locales, C and Belgian French (a comma as decimal
# separator), and must give the same results under both; the suite runs
# again under the sanitizers, the fuzz targets for a few seconds each, and
# clang-tidy over the sources.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"

cd "$root/build"
LC_ALL=C.UTF-8 ctest --output-on-failure -j"$(nproc)"

LC_ALL=fr_BE.UTF-8 ctest --output-on-failure -j"$(nproc)" -R '^scenario\.'

# The whole suite again in the AddressSanitizer and UndefinedBehaviorSanitizer
# build, where any report stops the test that made it. Leak reports are off:
# Qt keeps global objects alive until the process ends.
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVEX_WERROR=ON \
    -DKOVEX_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j"$(nproc)"
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=0:halt_on_error=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 LC_ALL=C.UTF-8 ctest --output-on-failure -j"$(nproc)")

# A short bounded run of every fuzz target (clang, libFuzzer, the same
# sanitizers): a crash, a sanitizer report, a hang or a broken property fails
# the command. About a minute: half a minute of build, 10 s per target.
bash "$root/scripts/fuzz.sh" 10 "$root/build-fuzz"

# clang-tidy's checks (.clang-tidy) over every source both builds compile,
# any finding a failure: some 170 files, about 10 minutes on two cores.
bash "$root/scripts/tidy.sh" "$root/build" "$root/build-fuzz"

scenarios=("$root"/tests/scenarios/*.scn)
LC_ALL=C.UTF-8 ./tests/kovex-scenario "${scenarios[@]}" > scenarios-C.txt || true
LC_ALL=fr_BE.UTF-8 ./tests/kovex-scenario "${scenarios[@]}" > scenarios-fr_BE.txt || true
if ! diff -u scenarios-C.txt scenarios-fr_BE.txt; then
    echo "The scenarios give other results under fr_BE.UTF-8 than under C.UTF-8" >&2
    exit 1
fi
tail -n 1 scenarios-C.txt
