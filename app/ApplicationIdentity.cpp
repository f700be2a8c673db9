#include "app/ApplicationIdentity.h"

#include "common/AppTexts.h"

#include <QApplication>
#include <QIcon>

namespace morvela {

void applyApplicationIdentity() {
    QCoreApplication::setApplicationName(AppTitle);
    QGuiApplication::setDesktopFileName(DesktopFileName);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvela.png")));
}

} // namespace morvela
