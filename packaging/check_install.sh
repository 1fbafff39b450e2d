#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
# exactly the expected files, the program runnable, the menu entry and the
# software-centre description valid.
set -euo pipefail
cmake=$1
build=$2
id=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expected=(
    bin/kovex
    share/applications/$id.desktop
    share/icons/hicolor/scalable/apps/$id.svg
    share/kovex/ant.mdb
    share/kovex/cableloss.mdb
    share/metainfo/$id.metainfo.xml
)
# The template goes wherever the build makes it.
if [ -e "$build/data/NOCALL_kovex.mdb" ]; then
    expected+=(share/kovex/NOCALL_kovex.mdb)
fi
actual=$(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
    echo "The installed tree differs from the expected one:" >&2
    diff <(echo "$wanted") <(echo "$actual") >&2 || true
    exit 1
fi

[ -x "$prefix/bin/kovex" ] || { echo "bin/kovex is not executable" >&2; exit 1; }
# A package must not make the loader search beside the program.
if readelf -d "$prefix/bin/kovex" | grep -qE 'RPATH|RUNPATH'; then
    echo "bin/kovex carries a library search path" >&2
    exit 1
fi
for database in "$prefix"/share/kovex/*.mdb; do
    cmp "$database" "$build/data/$(basename "$database")"
done

desktop=$prefix/share/applications/$id.desktop
desktop-file-validate "$desktop"
grep -qx 'Exec=kovex' "$desktop" || { echo "the menu entry does not start kovex" >&2; exit 1; }
grep -qx "Icon=$id" "$desktop" || { echo "the menu entry names another icon" >&2; exit 1; }
for language in fr nl de; do
    grep -q "^Comment\[$language\]=" "$desktop" || { echo "no comment in $language" >&2; exit 1; }
done

appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed tree complete and valid"
