#!/usr/bin/env bash
# Installs the npm package mdb-reader into the build folder when it is not
# there yet, then reads the sample databases with it.
#   run_mdb_reader.sh SAMPLES_FOLDER NPM_PREFIX
set -euo pipefail
samples=${1:?usage: run_mdb_reader.sh SAMPLES_FOLDER NPM_PREFIX}
prefix=${2:?usage: run_mdb_reader.sh SAMPLES_FOLDER NPM_PREFIX}
if [ ! -f "$prefix/node_modules/mdb-reader/package.json" ]; then
    mkdir -p "$prefix"
    npm install --prefix "$prefix" --no-audit --no-fund --loglevel=error mdb-reader >&2
fi
exec node "$(dirname "$0")/check_readers.mjs" "$samples" mdb-reader "$prefix"
