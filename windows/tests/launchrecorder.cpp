// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for explorer.exe in the Windows tests: it writes the exact command line it was started with and
// the window style it was asked to show its window in (STARTUPINFO) to the file named by the environment
// variable MORVELA_LAUNCH_RECORD, as UTF-16 text "<dwFlags & STARTF_USESHOWWINDOW> <wShowWindow>\n<line>",
// then ends. Built as explorer.exe beside the test programs, where CreateProcessW looks first.
#include <windows.h>

#include <cwchar>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"MORVELA_LAUNCH_RECORD", path, MAX_PATH))
        return 2;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    std::wstring record = std::to_wstring((startup.dwFlags & STARTF_USESHOWWINDOW) ? 1 : 0) + L" " +
                          std::to_wstring(startup.wShowWindow) + L"\n" + GetCommandLineW();
    // Written under a temporary name and renamed, so a reader never sees half a record.
    const std::wstring partial = std::wstring(path) + L".part";
    HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    const DWORD bytes = DWORD(record.size() * sizeof(wchar_t));
    const BOOL ok = WriteFile(file, record.data(), bytes, &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes)
        return 4;
    return MoveFileExW(partial.c_str(), path, MOVEFILE_REPLACE_EXISTING) ? 0 : 5;
}
