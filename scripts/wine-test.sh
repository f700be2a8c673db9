#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one Windows test program under Wine, headless: CTest's emulator for the Windows build.
#   wine-test.sh PROGRAM.exe [ARGUMENT...]
# - The programs choose the offscreen platform themselves (windows/tests/offscreen.cpp): Wine does not pass
#   QT_* variables on to a Windows program.
# - The Chinese locale (zh_CN.UTF-8, code page 936) whatever CTest sets for the Linux tests.
# - Drive D is a fresh empty folder for each run: Wine's dosdevices/d: points at it, and the program finds its
#   Windows path (Z:/...) in MORVELA_WINE_DRIVE_D_TARGET.
# - Qt Test's output is written to a file (-o) and printed from there.
# - MORVELA_WINE_INTERNATIONAL="name=value|name=value" sets the user's regional forms (values under
#   HKCU\Control Panel\International, such as sShortDate=d/M/yyyy) for this run only.
# The runs share one Wine prefix (WINEPREFIX, made by scripts/test-windows.sh), so CTest runs them one at a time.
set -euo pipefail
program=$1
shift
: "${WINEPREFIX:?set by scripts/test-windows.sh}"
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDEBUG=${WINEDEBUG:--all}
unset LANGUAGE

drive=$(mktemp -d "${TMPDIR:-/tmp}/morvela-drive-d.XXXXXX")
mkdir "$drive/D"
ln -sfn "$drive/D" "$WINEPREFIX/dosdevices/d:"
export MORVELA_WINE_DRIVE_D_TARGET="Z:$drive/D"

# The offscreen platform's fonts: the Chinese fonts that stand in for 宋体, 楷体_GB2312 and 黑体.
fonts=$WINEPREFIX/morvela-fonts
if [ ! -d "$fonts" ]; then
    mkdir -p "$fonts.new"
    ln -sf /usr/share/fonts/truetype/arphic/uming.ttc /usr/share/fonts/truetype/arphic/ukai.ttc \
        /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc "$fonts.new/"
    mv -T "$fonts.new" "$fonts"
fi
export MORVELA_WINE_FONTDIR="Z:$fonts"

key='HKCU\Control Panel\International'
declare -A previous=()
restore() {
    for name in "${!previous[@]}"; do
        wine reg add "$key" /v "$name" /t REG_SZ /d "${previous[$name]}" /f >/dev/null 2>&1 || true
    done
    rm -f "$WINEPREFIX/dosdevices/d:"
    rm -rf "$drive"
}
trap restore EXIT
if [ -n "${MORVELA_WINE_INTERNATIONAL:-}" ]; then
    IFS='|' read -ra settings <<<"$MORVELA_WINE_INTERNATIONAL"
    for setting in "${settings[@]}"; do
        name=${setting%%=*}
        value=${setting#*=}
        previous[$name]=$(wine reg query "$key" /v "$name" 2>/dev/null | tr -d '\r' |
                              sed -n "s/^ *$name *REG_SZ *//p")
        wine reg add "$key" /v "$name" /t REG_SZ /d "$value" /f >/dev/null
    done
fi

# Qt Test's output does not reach a pipe from a Windows program under Wine: it is written to a file and shown
# from there.
log=$drive/test-output.txt
status=0
# Wine hands the program's standard handles to the wine server, which may keep them open after the program
# ended; so the program never gets CTest's pipe (CTest would wait for it to close): its own output goes to a
# file as well.
wine "$program" "$@" -o "Z:$log,txt" </dev/null >"$drive/wine-output.txt" 2>&1 || status=$?
grep -av -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' -e 'apt-get install wine32' \
    "$drive/wine-output.txt" || true
cat "$log" 2>/dev/null || true
exit $status
