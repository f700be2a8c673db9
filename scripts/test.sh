#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian 12 machine, builds Morvela with its tests and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "${MORVELA_BUILD_DIR:-$root/build}"
ctest --output-on-failure --timeout 300 --parallel "$(nproc)"
