// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"

#include <optional>

namespace morvela {

// The text between the first and the last double quote of a command line, such as the address in
// explorer.exe "http://mail.163.com/"; nothing when there is no such non-empty text.
std::optional<QString> quotedArgument(const QString &commandLine);

// On Windows: starts the command line with the given window style (0 hidden, 1 normal, 2 minimized
// with focus, 3 maximized, 4 normal without focus), without waiting for the program. Elsewhere: hands
// the quoted address of the command line to the desktop's default web browser, without waiting.
class SystemShell final : public Shell {
public:
    bool launch(const QString &commandLine, int windowStyle) override;
};

} // namespace morvela
