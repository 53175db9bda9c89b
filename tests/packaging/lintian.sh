#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the build tree given, into a folder of its own, and has lintian
# judge it at the pedantic level: any error or warning fails. Skipped (77) without lintian.
#   tests/packaging/lintian.sh build-folder
set -eu
build=$1
if ! command -v lintian > /dev/null; then
    echo "lintian is missing (Debian's lintian): the package goes unchecked"
    exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
status=0
lintian --pedantic --display-info --fail-on error,warning "$out"/*.deb > "$out/lintian.log" 2>&1 ||
    status=$?
grep -v "running with root privileges" "$out/lintian.log" || true
exit $status
