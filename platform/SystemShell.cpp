// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemShell.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <string>
#include <windows.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace morvela {

std::optional<QString> quotedArgument(const QString &commandLine) {
    const qsizetype open = commandLine.indexOf(QLatin1Char('"'));
    const qsizetype close = commandLine.lastIndexOf(QLatin1Char('"'));
    if (open < 0 || close <= open + 1)
        return std::nullopt;
    return commandLine.mid(open + 1, close - open - 1);
}

bool SystemShell::launch(const QString &commandLine, int windowStyle) {
#ifdef Q_OS_WIN
    // The styles 0 to 4 are the ShowWindow values SW_HIDE ... SW_SHOWNOACTIVATE.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow =
        static_cast<WORD>(windowStyle >= 0 && windowStyle <= 4 ? windowStyle : SW_SHOWNORMAL);
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine.toStdWString(); // CreateProcessW may write into its command line
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
#else
    Q_UNUSED(windowStyle);
    const std::optional<QString> address = quotedArgument(commandLine);
    if (!address)
        return false;
    // The address is already encoded; StrictMode keeps it byte for byte or refuses it.
    const QUrl url = QUrl::fromEncoded(address->toUtf8(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
#endif
}

} // namespace morvela
