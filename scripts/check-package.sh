#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Debian package as a user would, on this machine, and leaves the machine as it was:
#   1. builds Morvela and makes the .deb with CPack;
#   2. copies the .deb into a scratch folder and installs it from there with apt-get install ./morvela_*.deb;
#   3. starts the command of the installed desktop entry's Exec line on a virtual X display (Xvfb, with the
#      openbox window manager), from a scratch home, with the source and build trees hidden from it, and
#      MORVELA_DRIVE_D naming a scratch folder that does not exist yet;
#   4. with real mouse and keyboard input (xdotool) opens "日程表", reveals the grid, types into the 06:00 slot,
#      presses "保存为文本文件", answers OK and closes the message, then closes the window;
#   5. checks the bytes of the schedule file: GBK, every line ended by CR LF, no byte-order mark;
#   6. removes the package with apt-get remove --purge, and purges the packages the install pulled in.
# Needs root (or sudo) and Debian's package archive for what is missing. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVELA_BUILD_DIR:-$root/build}

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
say() { printf '== %s\n' "$*"; }
fail() {
    printf 'FAILED: %s\n' "$*" >&2
    exit 1
}
installed_packages() { dpkg-query -W -f='${db:Status-Status} ${Package}:${Architecture}\n' | sed -n 's/^installed //p' | sort; }

"$root/scripts/install-deps.sh" xvfb xdotool openbox

if [ "$(dpkg-query -W -f='${db:Status-Status}' morvela 2>/dev/null || true)" = installed ]; then
    fail "morvela is already installed on this machine; remove it first (this check installs and removes it)"
fi

say "building the package"
"$root/scripts/build.sh" >/dev/null
work=$(mktemp -d /tmp/morvela-check.XXXXXX)
chmod 755 "$work" # apt's download user reads the .deb from here
(cd "$build" && cpack -G DEB -B "$work/cpack" >/dev/null)
mkdir "$work/apt"
cp "$work"/cpack/morvela_*.deb "$work/apt/"
rm -rf "$work/cpack"
deb=$(cd "$work/apt" && ls morvela_*.deb)
chmod 644 "$work/apt/$deb"

installed_packages >"$work/packages-before"
# What the install will add beside morvela (apt's dry run): only these are purged again afterwards, so a
# package someone else installs meanwhile is left alone.
(cd "$work/apt" && apt-get -s install "./$deb") | sed -n 's/^Inst \([^ ]*\) .*/\1/p' | grep -vx morvela >"$work/pulled" || true
xvfb_pid='' wm_pid='' app_pid=''
is_installed() { [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]; }
cleanup() {
    local rc=$?
    set +e
    for pid in $app_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    if is_installed morvela; then
        say "removing the package"
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove --purge -y morvela || rc=1
    fi
    mapfile -t added < <(while read -r p; do is_installed "$p" && echo "$p"; done <"$work/pulled")
    if [ ${#added[@]} -gt 0 ]; then
        say "purging what the install pulled in: ${added[*]}"
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y "${added[@]}" || rc=1
    fi
    for p in morvela $(cat "$work/pulled"); do
        is_installed "$p" && { echo "FAILED: $p is still installed" >&2; rc=1; }
    done
    [ -e /usr/bin/morvela ] && { echo "FAILED: /usr/bin/morvela is still there" >&2; rc=1; }
    installed_packages >"$work/packages-after"
    if cmp -s "$work/packages-before" "$work/packages-after"; then
        say "the installed packages are as they were before the check"
    else
        echo "note: packages changed meanwhile by something else (left alone):" >&2
        diff "$work/packages-before" "$work/packages-after" >&2
    fi
    rm -rf "$work"
    [ $rc -eq 0 ] && say "PASSED" || echo "check-package: FAILED" >&2
    exit $rc
}
trap cleanup EXIT

say "installing $deb from $work/apt"
(cd "$work/apt" && DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "./$deb")
dpkg-query -W -f='${Package} ${Version} ${Status}\n' morvela
for f in /usr/bin/morvela /usr/share/doc/morvela/copyright /usr/share/doc/morvela/changelog.gz \
    /usr/share/man/man1/morvela.1.gz /usr/share/applications/org.morvela.Morvela.desktop; do
    [ -e "$f" ] || fail "the package did not install $f"
done
zcat /usr/share/doc/morvela/changelog.gz | head -n 1

desktop=/usr/share/applications/org.morvela.Morvela.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)
exec_line=$(printf '%s' "$exec_line" | sed 's/ *%[fFuUdDnNickvm]//g') # field codes stand for no arguments here
[ -n "$exec_line" ] || fail "no Exec line in $desktop"
[ "$(command -v "${exec_line%% *}")" = /usr/bin/morvela ] || fail "Exec=$exec_line does not start /usr/bin/morvela"
say "starting Exec=$exec_line"

mkfifo "$work/display-fifo"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display-fifo" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r display_number <"$work/display-fifo"
export DISPLAY=":$display_number"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
sleep 1

home="$work/home"
drive="$work/D" # does not exist yet: the first export creates it
mkdir -m 755 "$home"
mkdir -m 700 "$work/runtime"
run_env=(env -u QT_QPA_PLATFORM HOME="$home" XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$DISPLAY"
    MORVELA_DRIVE_D="$drive" LANG=C.UTF-8)
# The program runs with the source and build trees hidden (an empty folder mounted over each), so what it
# needs must come from the package.
hide=("$root")
case "$build" in "$root"/*) ;; *) hide+=("$build") ;; esac
if [ "$(id -u)" -eq 0 ] && unshare --mount --propagation private true 2>/dev/null; then
    (cd "$home" && HIDE="${hide[*]}" exec unshare --mount --propagation private sh -c '
        for d in $HIDE; do mount -t tmpfs -o size=1m,mode=755 morvela-check-hidden "$d" || exit 70; done
        exec "$@"' sh "${run_env[@]}" sh -c "exec $exec_line") >"$work/morvela.log" 2>&1 &
    app_pid=$!
    say "the source and build trees are hidden from the program"
else
    (cd "$home" && exec "${run_env[@]}" sh -c "exec $exec_line") >"$work/morvela.log" 2>&1 &
    app_pid=$!
    say "not root or no mount namespace: the build tree stays visible to the program"
fi

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Morvela$' | head -n 1) ||
    fail "no window titled Morvela appeared: $(cat "$work/morvela.log")"
say "window $window: $(xdotool getwindowgeometry "$window" | tr -s '\n ' ' ')"
sleep 1

# Positions in the window's client area, in pixels: the inner tab row starts 24 px down and shares the
# window's 993 px among five tabs; the buttons and boxes are where the control table puts them.
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.7
}
# The dialog that is open now: a window titled Morvela other than the main one.
dialog() {
    local id
    for _ in $(seq 50); do
        for id in $(xdotool search --onlyvisible --name '^Morvela$' 2>/dev/null); do
            [ "$id" != "$window" ] && { echo "$id"; return 0; }
        done
        sleep 0.2
    done
    return 1
}
answer_with_enter() {
    local id
    id=$(dialog) || fail "no dialog appeared ($1)"
    xdotool windowactivate --sync "$id" key --clearmodifiers Return
    sleep 0.7
}

slot_text='起床 wake up'
click 298 34        # "日程表", the second tab of "日程管理"
click 496 292       # "开始始制作日程表" reveals the grid
click 336 121       # the 06:00 box (Text2)
xdotool type --delay 200 "$slot_text" # less loses the Chinese characters (a keymap change each)
sleep 0.5
click 712 548       # "保存为文本文件"
answer_with_enter "您确定要保存日程表吗？"
answer_with_enter "日程表已成功保存到D盘根目录！"
xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4 # the window manager's close
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end when its window was closed"
wait "$app_pid" || fail "morvela exited with status $?: $(cat "$work/morvela.log")"
app_pid=''
say "the window was closed and the program ended with status 0"

say "checking the schedule file"
[ -d "$drive" ] || fail "the export did not create the folder $drive"
today=$(date +%Y-%-m-%-d)
file="$drive/$today 的日程表.txt"
ls -l "$drive"
[ -f "$file" ] || fail "no file \"$today 的日程表.txt\" in $drive"
# What the lines must be, but the last one (the moment of writing), encoded here with iconv.
{
    printf '%s 的日程表\r\n\r\n' "$today"
    for h in $(seq 6 22); do
        hh=$(printf '%02d' "$h")
        if [ "$h" -eq 6 ]; then printf '%s：00    %s\r\n' "$hh" "$slot_text"; else printf '%s：00    \r\n' "$hh"; fi
        printf '%s：30    \r\n' "$hh"
    done
    printf '\r\n'
} | iconv -f UTF-8 -t GBK >"$work/expected-head"
head_size=$(stat -c %s "$work/expected-head")
cmp -n "$head_size" "$work/expected-head" "$file" || fail "lines 1 to 37 differ from the expected GBK bytes"
tail -c +"$((head_size + 1))" "$file" | iconv -f GBK -t UTF-8 >"$work/last-line" || fail "the last line is not GBK"
grep -qxP "制表时间： $today \\d{1,2}:\\d\\d:\\d\\d\\r" "$work/last-line" ||
    fail "the last line is not 制表时间： and the moment: $(od -An -c "$work/last-line")"
[ "$(tail -c 2 "$file" | od -An -tx1 | tr -d ' ')" = 0d0a ] || fail "the last line does not end with CR LF"
[ "$(tr -cd '\n' <"$file" | wc -c)" -eq 38 ] || fail "the file does not hold 38 lines"
[ "$(grep -c $'\r$' "$file")" -eq 38 ] || fail "not every line ends with CR LF"
[ "$(head -c 3 "$file" | od -An -tx1 | tr -d ' ')" != efbbbf ] || fail "the file starts with a byte-order mark"
echo "first three lines, in bytes:"
head -n 3 "$file" | od -An -tx1
echo "last line: $(tr -d '\r' <"$work/last-line")"
say "the schedule file is right: 38 lines in GBK, each ended by CR LF, no byte-order mark"
