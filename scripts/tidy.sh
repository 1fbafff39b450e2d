#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy, every finding an error) over
# the project's own sources in the compile databases of the builds given
# (build/ and the fuzz build unless told): src, tools, tests and bench, not
# the meta-objects and forms generated in the builds. Two files at a time;
# each file's findings are printed together.
#   bash scripts/tidy.sh [BUILD...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ]; then
    set -- "$root/build" "$root/build-fuzz"
fi

# Each source once, from the first build that compiles it, as BUILD<TAB>FILE.
list_sources() {
    python3 - "$root" "$@" <<'PY'
import json, os, re, sys
root, builds = sys.argv[1], sys.argv[2:]
own = re.compile(re.escape(root) + r"/(src|tools|tests|bench)/")
seen = set()
for build in builds:
    database = os.path.join(build, "compile_commands.json")
    if not os.path.exists(database):
        continue
    for entry in json.load(open(database)):
        file = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
        if own.match(file) and "_autogen" not in file and file not in seen:
            seen.add(file)
            print(f"{build}\t{file}")
PY
}

mapfile -t sources < <(list_sources "$@")
if [ ${#sources[@]} -eq 0 ]; then
    echo "No compile database in $*: build first" >&2
    exit 1
fi
start=$(date +%s)
printf '%s\n' "${sources[@]}" | xargs -d '\n' -P2 -n1 sh -c '
    build=${1%%	*} file=${1#*	}
    if ! out=$(clang-tidy -p "$build" --quiet --warnings-as-errors="*" "$file" 2>&1); then
        printf "%s\n" "$out" | grep -v "warnings generated\.$" >&2
        exit 1
    fi' _ || { echo "clang-tidy found faults (above)" >&2; exit 1; }
echo "clang-tidy: ${#sources[@]} files clean in $(($(date +%s) - start)) s"
