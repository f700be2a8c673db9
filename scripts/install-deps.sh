#!/usr/bin/env bash
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
# Extra packages for a group of tasks: "test" (default) adds nothing more today; callers may pass more names.
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
