#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer (into build-asan/) and runs them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
export MORVELA_BUILD_DIR=${MORVELA_BUILD_DIR:-$root/build-asan}
MORVELA_BUILD_TYPE=Debug "$root/scripts/build.sh" -DMORVELA_SANITIZE=ON -DMORVELA_BUILD_TOOLS=OFF
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
cd "$MORVELA_BUILD_DIR"
ctest --output-on-failure --timeout 600 --parallel "$(nproc)"
