#!/usr/bin/env bash
# Runs the scenarios given on a small tmpfs of their own, where the scenario
# command fill-disk may fill the disk to the last byte. The superuser mounts
# it directly; anyone else in a user and mount namespace of their own. The
# tmpfs is unmounted and its folder removed whatever happens.
set -euo pipefail
runner=$1
shift

if [ "$(id -u)" -ne 0 ]; then
    exec unshare --user --map-root-user --mount bash "$0" "$runner" "$@"
fi

disk=$(mktemp -d)
mount -t tmpfs -o size=16m,mode=0700 tmpfs "$disk"
trap 'umount "$disk"; rmdir "$disk"' EXIT
TMPDIR=$disk "$runner" "$@"
