#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the head of every tracked C++, CMake and
# shell source that lacks it, and prints each file it changed:
#   C++ (.cpp .h ...)                  // SPDX-License-Identifier: GPL-3.0-or-later   as the first line
#   CMake (CMakeLists.txt, .cmake)     # SPDX-License-Identifier: GPL-3.0-or-later    as the first line
#   shell (.sh, or a #! line naming a shell)   the same, after the #! line, which stays first
# Running it again changes nothing.
#   --check   changes nothing: lists every source without the line and exits 1 if there is one
#             (exits 77 when the folder is not a git checkout, so there is no list of tracked files).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=false
case "${1:-}" in
--check) check=true ;;
"") ;;
*)
    echo "usage: $0 [--check]" >&2
    exit 2
    ;;
esac

if ! git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "not a git checkout: no list of tracked sources" >&2
    exit 77
fi

spdx='SPDX-License-Identifier: GPL-3.0-or-later'

# The comment style of a tracked file: "//", "#" (with "#!" when it starts with a shebang), or nothing.
style_of() {
    case "$1" in
    *.cpp | *.cc | *.cxx | *.c | *.h | *.hpp | *.hh | *.hxx | *.inl) echo '//' ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.cmake.in) echo '#' ;;
    *.sh | *.bash) head -c 2 "$1" | grep -q '^#!' && echo '#!' || echo '#' ;;
    *)
        # An executable script without a suffix, such as the CI entry point.
        if head -n 1 "$1" | grep -Eq '^#!.*[/ ](ba|da)?sh( |$)'; then echo '#!'; fi
        ;;
    esac
}

missing=0
cd "$root"
while IFS= read -r -d '' f; do
    [ -f "$f" ] && [ ! -L "$f" ] || continue
    style=$(style_of "$f")
    case "$style" in
    '//') line="// $spdx" at=1 ;;
    '#') line="# $spdx" at=1 ;;
    '#!') line="# $spdx" at=2 ;;
    *) continue ;;
    esac
    [ "$(sed -n "${at}p" "$f")" = "$line" ] && continue
    if $check; then
        echo "no licence line: $f"
        missing=1
    elif [ ! -s "$f" ]; then
        printf '%s\n' "$line" >"$f"
        echo "added: $f"
    elif [ "$at" -eq 1 ]; then
        sed -i "1i\\$line" "$f"
        echo "added: $f"
    else
        sed -i "1a\\$line" "$f"
        echo "added: $f"
    fi
done < <(git ls-files -z)

if $check && [ $missing -ne 0 ]; then
    echo "Run scripts/add-spdx-headers.sh to add the line." >&2
    exit 1
fi
exit 0
