#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows the Windows morvela.exe under Wine, in the Chinese locale, on a virtual X display with the windows
# platform plugin, and saves a screenshot of every page, of a message box and of the status bar:
#   scripts/windows-snapshots.sh OUTPUT_FOLDER [morvela.exe]        (default: build-windows/app/morvela.exe)
# A Chinese Windows has 宋体, 楷体_GB2312 and 黑体; Wine's font replacements map them to the Debian CJK fonts
# AR PL UMing CN, AR PL UKai CN and WenQuanYi Zen Hei. The pages are reached by clicking their tabs where they
# sit in the window centred on a 1280x1024 screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:?output folder}" && cd "$1" && pwd)
exe=$(cd "$(dirname "${2:-$root/build-windows/app/morvela.exe}")" && pwd)/$(basename "${2:-morvela.exe}")
"$root/scripts/install-deps.sh" --windows xdotool openbox fonts-arphic-uming fonts-arphic-ukai fonts-wqy-zenhei

export WINEPREFIX=${MORVELA_WINDOWS_BUILD_DIR:-$root/build-windows}/wineprefix-window WINEARCH=win64 WINEDEBUG=-all
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml="
unset LANGUAGE
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
cleanup() { wineserver --kill >/dev/null 2>&1 || true; kill "$wm" "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT

[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
wineserver --wait
replacements='HKCU\Software\Wine\Fonts\Replacements'
wine reg add "$replacements" /v 宋体 /t REG_SZ /d "AR PL UMing CN" /f >/dev/null 2>&1
wine reg add "$replacements" /v 楷体_GB2312 /t REG_SZ /d "AR PL UKai CN" /f >/dev/null 2>&1
wine reg add "$replacements" /v 黑体 /t REG_SZ /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1

wine "$exe" >/dev/null 2>&1 &
for _ in $(seq 60); do
    xdotool search --name '^Morvela$' >/dev/null 2>&1 && break
    sleep 1
done
sleep 3
shot() { import -window root "$out/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 1.5; }
# Outer tabs at y 217, inner tabs at y 241 (x 242, 443, 640, 840, 1040 from the first to the fifth).
shot 01-welcome
click 443 241 && shot 02-schedule
click 640 241 && shot 03-datequery
click 840 241 && shot 04-mail
click 1040 241 && shot 05-note
click 640 217
click 242 241 && shot 06-linear
click 443 241 && shot 07-quadratic
click 640 241 && shot 08-verbs
click 840 241 && shot 09-rebate
click 1040 241 && shot 10-hostinfo
click 242 241
click 436 471 && shot 11-messagebox # 清空 on the linear system page asks its question
xdotool key Escape
sleep 1
click 971 217 && shot 12-about
convert "$out/12-about.png" -crop 1000x40+140+780 +repage "$out/13-statusbar.png"
echo "screenshots in $out"
