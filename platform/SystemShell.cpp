#include "platform/SystemShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace morvela {

bool SystemShell::launch(const QString &commandLine, int windowStyle) {
    Q_UNUSED(windowStyle);
    const qsizetype open = commandLine.indexOf(QLatin1Char('"'));
    const qsizetype close = commandLine.lastIndexOf(QLatin1Char('"'));
    if (open < 0 || close <= open)
        return false;
    return QDesktopServices::openUrl(QUrl(commandLine.mid(open + 1, close - open - 1)));
}

} // namespace morvela
