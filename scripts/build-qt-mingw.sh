#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt 6.4.2 for MinGW-w64 (x86-64, POSIX threads) that the Windows build links against, from
# Debian 12's own qt6-base source package, into PREFIX:
#   scripts/build-qt-mingw.sh PREFIX        (about an hour on two busy cores; needs root or sudo for apt-get)
# scripts/build-windows.sh calls it when MORVELA_QT_MINGW is not set and its cache holds no Qt yet. The
# configuration is that of the shared ready-made tree (../shared/toolchains/build-qt6-mingw.sh):
# static, optimized for size, every library in sections of their own, bundled third-party libraries, and off:
# OpenGL, Vulkan, D-Bus, SQL, print support, Concurrent, XML, ICU, OpenSSL, tablet events.
set -euo pipefail
prefix=$(mkdir -p "${1:?prefix}" && cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"$root/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
    ninja-build qt6-base-dev-tools dpkg-dev xz-utils

# The source package needs a deb-src entry: the binary entries of this machine, as source entries.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version: 6\.4\.2'; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    else
        grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            "${sudo[@]}" tee /etc/apt/sources.list.d/debian-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
fi
cd "$work"
apt-get source --download-only -qq qt6-base >/dev/null
tar xJf qt6-base_6.4.2+dfsg.orig.tar.xz
src=$work/qtbase-everywhere-src-6.4.2

# Debian's source leaves out wintab.h, so tablet events are off. With OpenGL off, Qt 6.4's windows platform
# plugin still takes its dynamic-GL branch in one file; that branch also needs OpenGL.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$src/src/plugins/platforms/windows/qwindowswindow.cpp"

mkdir -p "$prefix/lib/cmake"
cat > "$prefix/lib/cmake/mingw-w64-x86_64.cmake" <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC

flags="-ffunction-sections -fdata-sections -ffile-prefix-map=$work=qt"
mkdir build && cd build
cmake -G Ninja "$src" -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DFEATURE_optimize_size=ON -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_openssl=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF >configure.log
ninja -j"${MORVELA_JOBS:-2}" >build.log
ninja install >install.log
echo "Qt for MinGW-w64 is in $prefix"
