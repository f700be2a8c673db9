#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built morvela.exe: it imports only DLLs that every Windows has, and it is at most 18.5 MB.
set -euo pipefail
exe=${1:?morvela.exe}
# Windows' own DLLs (the system folder), as opposed to a runtime that would have to ship beside the program.
allowed='^(advapi32|comdlg32|crypt32|d3d9|d3d11|d3d12|dwmapi|dwrite|dxgi|gdi32|imm32|iphlpapi|kernel32|mpr|msvcrt|netapi32|ole32|oleaut32|secur32|setupapi|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|authz|bcrypt|ncrypt|dnsapi|shcore|winhttp|api-ms-win-[a-z0-9-]+)\.dll$'
bad=0
while read -r dll; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
        echo "$exe imports $dll, which is not part of Windows" >&2
        bad=1
    fi
done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
size=$(stat -c %s "$exe")
limit=$((185 * 1024 * 1024 / 10))
echo "$(basename "$exe"): $size bytes ($(awk "BEGIN{printf \"%.2f\", $size/1048576}") MB), imports: $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
if [ "$size" -gt "$limit" ]; then
    echo "$exe is larger than 18.5 MB" >&2
    bad=1
fi
exit $bad
