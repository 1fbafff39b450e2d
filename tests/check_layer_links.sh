#!/usr/bin/env bash
# Fails when a layer library uses a symbol of the project that only a layer
# above it defines. The libraries come in the order of src/layers.txt, the
# lowest first; each may use what it or the ones before it define. Prints
# every offending library and symbol.
set -euo pipefail
export LC_ALL=C
[ $# -gt 0 ] || { echo "usage: check_layer_links.sh LIBRARY..." >&2; exit 2; }

# The project's symbols are those of namespace kovex, mangled as 5kovex.
project_symbols() { grep -E '5kovex' | sort -u; }

defined=$(mktemp)
trap 'rm -f "$defined" "$defined.new"' EXIT
offences=0
for library in "$@"; do
    nm --defined-only --format=posix "$library" 2>/dev/null | awk 'NF >= 2 { print $1 }' | project_symbols \
        | sort -u -m - "$defined" >"$defined.new"
    mv "$defined.new" "$defined"
    while read -r symbol; do
        echo "$(basename "$library"): uses $(c++filt "$symbol"), defined only above it"
        offences=$((offences + 1))
    done < <(nm --undefined-only --format=posix "$library" 2>/dev/null | awk '{ print $1 }' | project_symbols \
        | comm -23 - "$defined")
done
if [ "$offences" -gt 0 ]; then
    echo "$offences use(s) run up the layers" >&2
    exit 1
fi
echo "Every library of $# layers links only to itself and the layers below it"
