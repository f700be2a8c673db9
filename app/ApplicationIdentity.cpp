// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationIdentity.h"

#include "common/AppTexts.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

namespace morvela {

void applyApplicationIdentity() {
    QCoreApplication::setApplicationName(AppTitle);
    QGuiApplication::setDesktopFileName(DesktopFileName);
    QApplication::setWindowIcon(QIcon(u":/icons/morvela.png"_s));
}

} // namespace morvela
