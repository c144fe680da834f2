#!/bin/sh
# Runs a command with a small tmpfs (64 KiB) at <folder> for the Windows
# tests to fill, named to them by ZAREN_FULL_DISK: Wine cannot mount one by
# itself. As root only, in a private mount namespace, so that the mount never
# outlives the command; the prefix's Wine server is ended first, so that the
# one the command starts sees the mount. Otherwise the command runs as it is,
# and the tests say why they skip.
#   with-full-disk.sh <folder> <command>...
set -eu

folder=$1
shift
if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null; then
    exec "$@"
fi
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w 2>/dev/null || true
exec unshare -m sh -c '
    mount --make-rprivate / && mount -t tmpfs -o size=64k tmpfs "$0" || exit 1
    ZAREN_FULL_DISK="Z:$0" exec "$@"' "$folder" "$@"
