#!/usr/bin/env bash
# Runs a GoogleTest program as an unprivileged user when started by the
# superuser (as the documented test command is), and fails unless at least
# one test ran and passed: a test skipped or filtered away proves nothing.
set -euo pipefail
program=$1
shift

if [ "$(id -u)" -eq 0 ]; then
    # The build folder may lie where the user cannot reach it (under /root):
    # run a copy from a folder of its own.
    copy=$(mktemp -d)
    trap 'rm -rf "$copy"' EXIT
    cp "$program" "$copy/"
    chmod 755 "$copy" "$copy/$(basename "$program")"
    output=$(cd "$copy" && HOME="$copy" setpriv --reuid=nobody --regid=nogroup --clear-groups \
        "$copy/$(basename "$program")" "$@" 2>&1) || { echo "$output"; exit 1; }
else
    output=$("$program" "$@" 2>&1) || { echo "$output"; exit 1; }
fi
echo "$output"
if ! grep -q '^\[  PASSED  \] [1-9]' <<<"$output" || grep -q '^\[  SKIPPED \]' <<<"$output"; then
    echo "no test ran and passed" >&2
    exit 1
fi
