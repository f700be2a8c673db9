#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Morvela for x86-64 Windows with MinGW-w64, statically against Qt 6.4.2, into build-windows/
# (or $MORVELA_WINDOWS_BUILD_DIR): one morvela.exe that needs only Windows' own DLLs, and the test programs.
#   scripts/build-windows.sh [TARGET...]        (no target: everything)
# Qt for MinGW comes from $MORVELA_QT_MINGW: the tarball qt6.4.2-mingw-w64-static.tar.xz or an unpacked tree.
# A tarball is unpacked once into the cache folder ($MORVELA_CACHE, default ~/.cache/morvela). Without
# MORVELA_QT_MINGW the same Qt is built from Debian's qt6-base source package into the cache folder
# (scripts/build-qt-mingw.sh; about an hour on two cores) unless it is already there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MORVELA_WINDOWS_BUILD_DIR:-$root/build-windows}
cache=${MORVELA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/morvela}
qt_name=qt6.4.2-mingw-w64

qt=
source_=${MORVELA_QT_MINGW:-}
if [ -n "$source_" ] && [ -d "$source_" ]; then
    qt=$(cd "$source_" && pwd)
elif [ -n "$source_" ] && [ -f "$source_" ]; then
    # Unpack once; the stamp remembers which tarball (size and time) the tree came from.
    tarball=$(cd "$(dirname "$source_")" && pwd)/$(basename "$source_")
    qt=$cache/$qt_name
    stamp="$(stat -c '%s %Y' "$tarball") $tarball"
    if [ ! -f "$qt/.morvela-stamp" ] || [ "$(cat "$qt/.morvela-stamp")" != "$stamp" ]; then
        echo "Unpacking $tarball into $cache"
        rm -rf "$qt"
        mkdir -p "$cache"
        tar -C "$cache" -xJf "$tarball"
        [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] || { echo "no $qt_name/ tree in $tarball" >&2; exit 1; }
        echo "$stamp" > "$qt/.morvela-stamp"
    fi
elif [ -n "$source_" ]; then
    echo "MORVELA_QT_MINGW=$source_ is neither a tarball nor a folder" >&2
    exit 1
else
    qt=$cache/$qt_name
    if [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
        echo "No MORVELA_QT_MINGW: building Qt 6.4.2 for MinGW-w64 into $qt (about an hour on two cores)"
        "$root/scripts/build-qt-mingw.sh" "$qt"
    fi
fi
[ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ] || { echo "$qt is not a Qt for MinGW tree" >&2; exit 1; }

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The tree's toolchain file remembers the folder it was built in; the chain-loaded MinGW toolchain file is named
# here so that the tree works from any folder.
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$qt/lib/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE="${MORVELA_BUILD_TYPE:-MinSizeRel}" -DMORVELA_BUILD_TOOLS=OFF "${launcher[@]}"
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" --parallel "${MORVELA_JOBS:-2}" "${targets[@]}"

# The program needs only Windows' own DLLs, and fits the size the about page states.
exe=$build/app/morvela.exe
if [ -f "$exe" ]; then
    "$root/scripts/check-windows-exe.sh" "$exe"
fi
