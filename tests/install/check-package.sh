#!/bin/sh
# Builds the Debian package as `make package` does, into a directory of its
# own, and has lintian (Debian's default profile) check it: no error and no
# warning. Skipped (status 77) where lintian is not installed.
# Arguments: the build directory, the source directory.
set -eu

command -v lintian >/dev/null || { echo "lintian is not installed: skipped"; exit 77; }
build=$1
source=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -B "$out" -D CPACK_OUTPUT_FILE_PREFIX="$out" >/dev/null)
# The configurator's own manual page is on its way; until it is in docs/,
# lintian's note that it has none is expected.
expected=
[ -e "$source/docs/zaren800-configurator.1" ] || expected=--suppress-tags=no-manual-page
lintian --fail-on error,warning $expected "$out"/*.deb
echo "lintian accepts $(basename "$out"/*.deb)"
