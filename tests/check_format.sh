#!/usr/bin/env bash
# Fails when a C++ source of src, tools, tests or bench is not as
# clang-format (and .clang-format at the root) would write it, naming every
# such file. Files are those git tracks, or all of them outside a checkout.
set -euo pipefail
root=${1:?usage: check_format.sh SOURCE_ROOT}
cd "$root"
folders=(src tools tests bench)
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- "${folders[@]}" | grep -E '\.(cpp|h)$')
else
    mapfile -t files < <(find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
fi

# One run over all files: a formatter started per file takes minutes on a
# busy machine. Each place it would change is reported as FILE:LINE:COL.
status=0
report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1) || status=$?
mapfile -t unformatted < <(sed -n \
    's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted (clang-format -i FILE...):" >&2
    printf '    %s\n' "${unformatted[@]}" >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "$report" >&2
    exit 1
fi
echo "${#files[@]} files formatted"
