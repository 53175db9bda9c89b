#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed corpus.
#   scripts/fuzz.sh [seconds per target]     (default 60)
# New inputs go to a scratch folder, so the committed seeds stay as they are. Exits non-zero on
# any finding; the input that caused it is left in the current folder (crash-*, leak-*, ...).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
targets=(fuzz_key_filter fuzz_validate fuzz_number_text fuzz_caption_split fuzz_property_bag
    fuzz_host)

cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS=suppressions=$PWD/tests/fuzz/lsan.supp
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target"
    log="$scratch/$target.log"
    if ! "build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        "$scratch/$target" "tests/fuzz/corpus/$target" > "$log" 2>&1; then
        cat "$log"
        echo "fuzz: $target found a fault" >&2
        exit 1
    fi
    runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
    echo "fuzz: $target: $runs executions in ${seconds} s, no findings"
done
