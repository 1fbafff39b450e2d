#!/usr/bin/env bash
# Fails when a function or type under the folder given (src/) breaks the
# tree's casing: functions in lower camel case, types in upper camel case,
# neither with an underscore. The handler and routine names of the window
# models keep the capital of their component or of their design name; those
# are listed one a line in the allow-list given. Constructors and operators
# are not names of their own. Prints every offending declaration.
set -euo pipefail
src=${1:?usage: check_names.sh SOURCE_DIR ALLOW_LIST}
allowed=${2:?usage: check_names.sh SOURCE_DIR ALLOW_LIST}

ctags=$(command -v ctags-universal || command -v ctags || true)
if [ -z "$ctags" ] || ! "$ctags" --version 2>/dev/null | grep -q 'Universal Ctags'; then
    echo "check_names.sh needs Universal Ctags (Debian package universal-ctags)" >&2
    exit 1
fi

declare -A allow=()
while read -r name _; do
    [ -n "$name" ] && [ "${name:0:1}" != "#" ] && allow[$name]=1
done <"$allowed"

offences=0
# One line per tag: kind, name, kind of the enclosing scope, the scope, place.
while IFS='|' read -r kind name scopeKind scope place; do
    [[ $name == __anon* || $name == operator* || $name == ~* ]] && continue
    case $kind in
    function | prototype)
        [[ $scopeKind =~ ^(class|struct|union)$ && $name == "${scope##*::}" ]] && continue
        [[ $name =~ ^[a-z][A-Za-z0-9]*$ || -n ${allow[$name]:-} ]] && continue
        what="function"
        ;;
    class | struct | union | enum | typedef)
        # A POSIX "struct stat buffer" inside a function reads as a struct.
        [ "$scopeKind" = "function" ] && continue
        [[ $name =~ ^[A-Z][A-Za-z0-9]*$ ]] && continue
        what="type"
        ;;
    *) continue ;;
    esac
    echo "${place#"$src"/}: $what $name is not in the tree's casing"
    offences=$((offences + 1))
done < <("$ctags" -R --languages=C++ --kinds-C++=fpcsugt -x \
    --_xformat='%{kind}|%N|%{scopeKind}|%{scope}|%F:%n' "$src")

if [ "$offences" -gt 0 ]; then
    echo "$offences name(s) out of casing; a handler or routine named so by design goes in $allowed" >&2
    exit 1
fi
