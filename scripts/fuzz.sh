#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each from its seed corpus.
#   scripts/fuzz.sh            the reproducible run (CI's): every seed of every target, then,
#                              for the targets without Qt's event loop, a fixed number of inputs
#                              from a fixed random seed; so that the same commit gives the same
#                              verdict on every machine and at any speed
#   scripts/fuzz.sh SECONDS    an exploratory run of SECONDS per target, from a random seed
# The host fuzzer runs Qt's event loop, whose timers follow the clock, so the inputs it reaches
# differ from run to run: the reproducible run only replays its seeds, which the exploratory runs
# grow (merge what they found with -merge=1 into tests/fuzz/corpus/fuzz_host).
# New inputs go to a scratch folder, so the committed seeds stay as they are. Exits non-zero on
# any finding; the input that caused it is left in the current folder (crash-*, leak-*, ...):
# add it to the target's corpus once the fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-}
# The reproducible run's length: inputs per target after the seeds, and libFuzzer's seed.
runs=20000
seed=1
targets=(fuzz_key_filter fuzz_validate fuzz_number_text fuzz_caption_split fuzz_property_bag
    fuzz_host)

cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen
# A path within the tree, so that the environment is the same in every clone.
export LSAN_OPTIONS=suppressions=tests/fuzz/lsan.supp
# Replayed the same every time: Qt's hashes unseeded, and addresses without randomisation where
# the machine allows it (a hash of pointers orders what the program meets).
export QT_HASH_SEED=0
# The reproducible run also gives each target the same small environment in every clone and
# shell, since the environment's size moves the addresses on the stack.
fixed=()
if [ -z "$seconds" ]; then
    fixed=(env -i PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen QT_HASH_SEED=0
        "LSAN_OPTIONS=$LSAN_OPTIONS")
    if setarch -R true 2> /dev/null; then
        fixed+=(setarch -R)
    fi
fi
for target in "${targets[@]}"; do
    if [ -n "$seconds" ]; then
        limit=(-max_total_time="$seconds")
        what="in $seconds s"
    elif [ "$target" = fuzz_host ]; then
        limit=(-runs=0)
        what="replaying its seeds"
    else
        limit=(-runs="$runs" -seed="$seed")
        what="from seed $seed"
    fi
    mkdir -p "$scratch/$target"
    log="$scratch/$target.log"
    if ! "${fixed[@]}" "build/fuzz/tests/fuzz/$target" "${limit[@]}" -print_final_stats=1 \
        "$scratch/$target" "tests/fuzz/corpus/$target" > "$log" 2>&1; then
        cat "$log"
        echo "fuzz: $target found a fault" >&2
        exit 1
    fi
    executed=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
    echo "fuzz: $target: $executed executions $what ($coverage), no findings"
done
