#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the project's checks (.clang-tidy) over the program's sources, the
# resource generators and the benchmarks, from the compile commands of the tidy preset, and
# checks that the fields behind properties are named after them; any finding fails it.
#   scripts/tidy.sh [file ...]     (default: every such source)
set -euo pipefail
cd "$(dirname "$0")/.."
runner=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
if [ -z "$runner" ]; then
    echo "tidy: run-clang-tidy is missing (Debian's clang-tidy package)" >&2
    exit 1
fi
# A field behind a property is named after it, m_Name: no control spells a property's name
# with a small first letter after m_ (m_borderStyle for BorderStyle).
misnamed=0
for header in controls/*/*.h windows/platform/*.h; do
    for property in $(grep -o 'Q_PROPERTY([^ ]* [A-Z][A-Za-z]*' "$header" | awk '{print $2}'); do
        field="m_${property,}"
        if [ "$field" != "m_$property" ] &&
            grep -n -w "$field" "${header%.h}".* > /dev/null 2>&1; then
            echo "tidy: $header: the field behind $property is $field, not m_$property" >&2
            misnamed=1
        fi
    done
done
# Every source of the program names its layer, with the layer's folder, in its opening comment.
for source in $(git ls-files '*.h' '*.cpp' | grep -vE '^(tests|bench|tools)/'); do
    if ! awk '/^#/ { exit } { print }' "$source" |
        grep -qE '\((controls|drill|windows|resources|main\.cpp)[^)]*\)'; then
        echo "tidy: $source: the opening comment does not name its layer and folder" >&2
        misnamed=1
    fi
done
if ((misnamed)); then
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
