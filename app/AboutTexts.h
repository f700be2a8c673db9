// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace morvela {

// The developer as the status bar and the about page name them.
inline const QString DeveloperName = QStringLiteral("莫薇拉");
inline const QString DeveloperMail = QStringLiteral("morvela@example.com");

} // namespace morvela
