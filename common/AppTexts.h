// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace morvela {

// The caption of the main window, the title of every dialog, and the product name on the about page.
inline const QString AppTitle = QStringLiteral("Morvela");

// The question every "清空" button of the tools pages asks before it empties its page.
inline const QString ClearDataQuestion = QStringLiteral("您确定要清空数据吗？");

} // namespace morvela
