#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian's packages, whatever Morvela needs to build, run and test that is not yet installed.
# Does nothing (and needs no network) when everything is already there.
set -euo pipefail

packages=(
    cmake
    g++
    make
    qt6-base-dev
    qt6-qpa-plugins
    fonts-arphic-uming
    fonts-arphic-ukai
    fonts-wqy-zenhei
    desktop-file-utils
    appstream
    lintian
)
# "--windows" adds what the Windows build and its tests under Wine need (scripts/test-windows.sh), and the
# zh_CN.UTF-8 locale they run in; callers may also pass more package names.
windows=no
if [ "${1:-}" = "--windows" ]; then
    windows=yes
    shift
    packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build
               qt6-base-dev-tools wine wine64 wine32:i386 locales nsis zip unzip xz-utils xvfb imagemagick x11-apps
               xdotool openbox)
fi
packages+=("$@")

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi

# The Chinese locale that Wine turns into code page 936 and the Chinese regional forms.
generate_locale() {
    [ "$windows" = yes ] || return 0
    locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8' && return 0
    echo "Generating the zh_CN.UTF-8 locale"
    "${sudo[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
}

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    generate_locale
    exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# NSIS makes 32-bit installers: Wine runs them with wine32, from the i386 architecture.
if [ "$windows" = yes ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
generate_locale
