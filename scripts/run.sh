#!/usr/bin/env bash
# Installs what is missing, builds, and starts kovex in the working folder
# work/, seeded with the shipped databases (an existing file is kept).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh" --display
bash "$root/scripts/build.sh"

mkdir -p "$root/work"
for database in "$root"/build/data/*.mdb; do
    [ -e "$database" ] || continue
    target="$root/work/$(basename "$database")"
    [ -e "$target" ] || cp "$database" "$target"
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "kovex needs a display and none is set; to run it headless: xvfb-run -a bash scripts/run.sh" >&2
    exit 1
fi
cd "$root/work"
exec "$root/build/src/gui/kovex"
