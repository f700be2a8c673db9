#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows packages from the Windows build (scripts/build-windows.sh), and tries the installer as a
# user would, under Wine: silent install, what it put in place, the installed program's window (on a virtual
# X display), silent uninstall.
#   build-windows/Morvela-1.0.0-win64.zip   portable: morvela.exe and the licence texts
#   build-windows/Morvela-1.0.0-win64.exe   installer (NSIS): Program Files, Start-menu shortcut, uninstaller
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVELA_WINDOWS_BUILD_DIR:-$root/build-windows}
"$root/scripts/install-deps.sh" --windows xdotool
[ -f "$build/app/morvela.exe" ] || { echo "no $build/app/morvela.exe: run scripts/build-windows.sh first" >&2; exit 1; }

cd "$build"
rm -f Morvela-*-win64.zip Morvela-*-win64.exe
cpack -G "NSIS;ZIP" >cpack.log || { cat cpack.log; exit 1; }
zip=$(ls Morvela-*-win64.zip)
installer=$(ls Morvela-*-win64.exe)
echo "morvela.exe: $(stat -c %s app/morvela.exe) bytes; $zip: $(stat -c %s "$zip") bytes; $installer: $(stat -c %s "$installer") bytes"

fail() { echo "package check: $*" >&2; exit 1; }
# The zip: the program and the licence texts, nothing else.
listing=$(unzip -Z1 "$zip" | sed 's#^[^/]*/##' | grep -v '/$' | sort | tr '\n' ' ')
[ "$listing" = "LICENSE.txt licenses/Qt/GPL-3.0.txt licenses/Qt/LGPL-3.0.txt licenses/Qt/Qt.txt morvela.exe " ] ||
    fail "the zip holds: $listing"

# A Wine prefix of its own, in the Chinese locale, on a virtual display.
export WINEPREFIX=$build/wineprefix-install WINEARCH=win64 WINEDEBUG=-all LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="
unset LANGUAGE
rm -rf "$WINEPREFIX"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
cleanup() { wineserver --kill >/dev/null 2>&1 || true; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
wineboot --init >/dev/null 2>&1
wineserver --wait

wine "$installer" /S >/dev/null 2>&1
wineserver --wait
program="$WINEPREFIX/drive_c/Program Files/Morvela"
for f in morvela.exe LICENSE.txt licenses/Qt/Qt.txt licenses/Qt/LGPL-3.0.txt licenses/Qt/GPL-3.0.txt Uninstall.exe; do
    [ -f "$program/$f" ] || fail "the installer left out $f"
done
cmp -s "$program/morvela.exe" app/morvela.exe || fail "the installed morvela.exe is not the built one"
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Morvela/Morvela.lnk' | head -n1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut Morvela"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvela'
wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | grep -q Morvela || fail "no Morvela entry under $uninstall_key"
echo "installed: $(cd "$program" && find . -type f | sort | tr '\n' ' ')"
echo "Start-menu shortcut: ${shortcut#"$WINEPREFIX"/}"

# The installed program starts and shows its window.
wine "C:\\Program Files\\Morvela\\morvela.exe" >/dev/null 2>&1 &
window=
for _ in $(seq 60); do
    window=$(xdotool search --name '^Morvela$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 1
done
[ -n "$window" ] || fail "the installed program showed no window named Morvela"
echo "the installed program shows its window: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
wineserver --kill
wineserver --wait 2>/dev/null || true

wine "C:\\Program Files\\Morvela\\Uninstall.exe" /S >/dev/null 2>&1
wineserver --wait
for _ in $(seq 30); do
    [ -e "$program/morvela.exe" ] || break
    sleep 1
done
[ ! -e "$program/morvela.exe" ] || fail "the uninstaller left morvela.exe behind"
[ -z "$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Morvela*' | head -n1)" ] ||
    fail "the uninstaller left the Start-menu shortcut behind"
echo "uninstalled: $(ls -A "$program" 2>/dev/null | wc -l) files left in Program Files/Morvela"
