#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a fixed time, starting
# from the committed corpus. A crash or a broken invariant fails the run and
# leaves the reproducer in the log.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET]
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"

scripts/install-deps.sh --fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIMO_FUZZ=ON >/dev/null
cmake --build build-fuzz --parallel

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
total=0
for target in strict_reading number_writing window_actions; do
    mkdir -p "$work/$target" "$work/$target-artifacts"
    log="$work/$target.log"
    if ! ASAN_OPTIONS=detect_leaks=1 build-fuzz/fuzz/fuzz-$target "$work/$target" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target-artifacts/" >"$log" 2>&1; then
        status=1
        echo "fuzz-$target FAILED:"
        tail -n 40 "$log"
        for reproducer in "$work/$target-artifacts"/*; do
            [ -f "$reproducer" ] || continue
            echo "reproducer $(basename "$reproducer") (base64):"
            base64 "$reproducer"
        done
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    corpus=$(find "$work/$target" "fuzz/corpus/$target" -type f | wc -l)
    echo "fuzz-$target: ${runs:-0} executions, corpus $corpus inputs"
    total=$((total + ${runs:-0}))
done
echo "fuzzing: $total executions in all"
exit $status
