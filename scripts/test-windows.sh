#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Morvela for Windows and runs every test under Wine in a Chinese locale (zh_CN.UTF-8, code page
# 936), headless. MORVELA_QT_MINGW names the Qt for MinGW (see scripts/build-windows.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVELA_WINDOWS_BUILD_DIR:-$root/build-windows}
export MORVELA_WINDOWS_BUILD_DIR=$build
"$root/scripts/install-deps.sh" --windows

start=$(date +%s)
"$root/scripts/build-windows.sh"
built=$(date +%s)

export WINEPREFIX=$build/wineprefix WINEARCH=win64 WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# No Mono or Gecko: nothing asks to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset LANGUAGE DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
fi
# One wine server for every test run (it stays in the foreground, so it is started in the background, away from
# this script's output); it is stopped when the tests are done.
wineserver --persistent </dev/null >/dev/null 2>&1 &
trap 'wineserver --kill || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
prefixed=$(date +%s)

cd "$build"
status=0
# One at a time: the runs share the prefix and its drive D.
ctest --output-on-failure --timeout 300 || status=$?
tested=$(date +%s)
echo "Windows pass: build $((built - start)) s, Wine prefix $((prefixed - built)) s, tests $((tested - prefixed)) s"
exit $status
