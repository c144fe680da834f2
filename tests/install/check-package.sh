#!/bin/sh
# Builds the Debian package as `make package` does, into a directory of its
# own, and has lintian (Debian's default profile) check it: no error and no
# warning. Skipped (status 77) where lintian is not installed.
# Argument: the build directory.
set -eu

command -v lintian >/dev/null || { echo "lintian is not installed: skipped"; exit 77; }
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -B "$out" -D CPACK_OUTPUT_FILE_PREFIX="$out" >/dev/null)
lintian --fail-on error,warning "$out"/*.deb
echo "lintian accepts $(basename "$out"/*.deb)"
