// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace morvela {

// Starts a program through the shell without waiting for it. A failure is reported by the return
// value only; callers are free to ignore it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool launch(const QString &commandLine, int windowStyle) = 0;
};

} // namespace morvela
