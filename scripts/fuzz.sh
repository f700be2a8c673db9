#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (into build-fuzz/) and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target, default 60]
# A crash stops the run with its input saved under build-fuzz/crashes/; keep such an input as a
# regression case in the matching test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/install-deps.sh" clang libclang-rt-14-dev
build=${MORVELA_FUZZ_DIR:-$root/build-fuzz}
cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"
mkdir -p "$build/crashes"
status=0
for target in "$build"/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    case "$name" in
        fuzz_ansiline) seeds=ansiline ;;
        fuzz_querydate) seeds=querydate ;;
        *) seeds=numbers ;;
    esac
    work="$build/corpus/$name"
    mkdir -p "$work"
    cp -n "$root/fuzz/corpus/$seeds"/* "$work"/ 2>/dev/null || true
    echo "== $name: ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/crashes/$name-" -print_final_stats=1 "$work" 2>"$build/$name.log"; then
        status=1
        tail -40 "$build/$name.log"
    fi
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/$name.log" | sed "s/^/   /"
done
exit $status
