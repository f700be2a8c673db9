#pragma once

#include "platform/Shell.h"

namespace morvela {

// On Windows: starts the command line with the given window style. Elsewhere: hands the quoted
// address of an "explorer.exe" command line to the desktop's default web browser.
class SystemShell final : public Shell {
public:
    bool launch(const QString &commandLine, int windowStyle) override;
};

} // namespace morvela
