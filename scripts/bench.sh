#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the benchmarks (start-up and memory beside a bare Qt window; the pure hot paths).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" libbenchmark-dev
export MORVELA_BUILD_DIR=${MORVELA_BUILD_DIR:-$root/build-bench}
MORVELA_BUILD_TYPE=Release "$root/scripts/build.sh" -DMORVELA_BUILD_BENCH=ON -DMORVELA_BUILD_TESTS=OFF
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$MORVELA_BUILD_DIR/bench/morvela-bench-startup" "${1:-15}"
if [ -x "$MORVELA_BUILD_DIR/bench/morvela-bench-hotpaths" ]; then
    "$MORVELA_BUILD_DIR/bench/morvela-bench-hotpaths"
fi
