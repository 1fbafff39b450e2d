#!/usr/bin/env bash
# Fails when a source file under the folder given (src/) includes a project
# header from a folder above its own in layers.txt, or a project header
# without its folder. Prints every offending file and line.
set -euo pipefail
src=${1:?usage: check_layers.sh SOURCE_DIR}
mapfile -t layers < <(grep -v -e '^#' -e '^[[:space:]]*$' "$src/layers.txt")

rank_of() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

offences=0
for own in "${!layers[@]}"; do
    layer=${layers[$own]}
    [ -d "$src/$layer" ] || continue
    while IFS=: read -r file line text; do
        header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
        [[ $header =~ ^ui_[A-Za-z]+\.h$ ]] && continue # forms generated beside the view
        if [[ ! $header =~ ^([a-z]+)/ ]]; then
            echo "${file#"$src"/}:$line: includes \"$header\" without its folder"
            offences=$((offences + 1))
            continue
        fi
        rank=$(rank_of "${BASH_REMATCH[1]}")
        if [ "$rank" -lt 0 ] || [ "$rank" -gt "$own" ]; then
            echo "${file#"$src"/}:$line: $layer includes \"$header\" from a layer above it"
            offences=$((offences + 1))
        fi
    done < <(grep -rn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' "$src/$layer" || true)
done

if [ "$offences" -gt 0 ]; then
    echo "$offences include(s) run up the layers" >&2
    exit 1
fi
echo "Every include of ${#layers[@]} layers stays within its layer or below"
