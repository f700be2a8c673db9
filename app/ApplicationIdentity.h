// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace morvela {

// The name under which the desktop knows the program: its desktop entry is <DesktopFileName>.desktop
// and its installed icon is named the same.
inline const QString DesktopFileName = QStringLiteral("org.morvela.Morvela");

// Names the application (Morvela), ties its windows to the desktop entry, and gives every window of
// the application the program's icon. Call once, after the QApplication is made and before any window.
void applyApplicationIdentity();

} // namespace morvela
