#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the project's checks (.clang-tidy) over the program's sources, the
# resource generators and the benchmarks, from the compile commands of the tidy preset; any
# finding fails it.
#   scripts/tidy.sh [file ...]     (default: every such source)
set -euo pipefail
cd "$(dirname "$0")/.."
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
if [ -z "$runner" ]; then
    echo "tidy: run-clang-tidy is missing (Debian's clang-tidy package)" >&2
    exit 1
fi
cmake --preset tidy > /dev/null
if (($# == 0)); then
    mapfile -t files < <(git ls-files '*.cpp' | grep -v '^tests/')
    set -- "${files[@]}"
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! "$runner" -p build/tidy -j "$(nproc)" -quiet "$@" > "$log" 2>&1; then
    grep -E -A3 '(warning|error):' "$log" >&2 || cat "$log" >&2
    echo "tidy: findings above" >&2
    exit 1
fi
echo "tidy: $# files, no findings"
