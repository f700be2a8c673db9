#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds Morvela into build/ (or $MORVELA_BUILD_DIR). Extra arguments go to cmake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVELA_BUILD_DIR:-$root/build}
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${MORVELA_BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@"
cmake --build "$build" --parallel "$(nproc)"
