#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each from its seed corpus.
#   scripts/fuzz.sh            the reproducible run (CI's): every seed of every target replayed,
#                              then, for the targets without Qt's event loop, a fixed number of
#                              inputs from a fixed random seed, grown from nothing; so that the
#                              same commit gives the same verdict in every clone, on every
#                              machine and at any speed
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
# One libFuzzer run: the target, a name for its log, and libFuzzer's arguments.
play() {
    local target=$1 name=$2
    shift 2
    local log="$scratch/$name.log"
    if ! "${fixed[@]}" "build/fuzz/tests/fuzz/$target" -print_final_stats=1 "$@" > "$log" 2>&1; then
        cat "$log"
        echo "fuzz: $target found a fault" >&2
        exit 1
    fi
    executed=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1)
}
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target" "$scratch/$target-fixed"
    if [ -n "$seconds" ]; then
        play "$target" "$target" -max_total_time="$seconds" "$scratch/$target" \
            "tests/fuzz/corpus/$target"
        echo "fuzz: $target: $executed executions in $seconds s ($coverage), no findings"
        continue
    fi
    play "$target" "$target" -runs=0 "$scratch/$target" "tests/fuzz/corpus/$target"
    echo "fuzz: $target: its seeds replayed ($coverage), no findings"
    # libFuzzer orders seeds of one size as the folder lists them, which differs from clone to
    # clone: the fixed-seed run starts from nothing instead.
    if [ "$target" != fuzz_host ]; then
        play "$target" "$target-fixed" -runs="$runs" -seed="$seed" "$scratch/$target-fixed"
        echo "fuzz: $target: $executed executions from seed $seed ($coverage), no findings"
    fi
done
