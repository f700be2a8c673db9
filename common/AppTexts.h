#pragma once

#include <QString>

namespace morvela {

// The caption of the main window, the title of every dialog, and the product name on the about page.
inline const QString AppTitle = QStringLiteral("Morvela");

// The one output folder. A file's path is OutputRoot followed directly by its name.
inline const QString OutputRoot = QStringLiteral("D:\\");

} // namespace morvela
