// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ApplicationIdentity.h"
#include "app/MainWindow.h"
#include "common/AppTexts.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/NetworkHostIdentity.h"
#include "platform/ProcessSignals.h"
#include "platform/Services.h"
#include "platform/SystemShell.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    morvela::IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    morvela::applyApplicationIdentity();

    morvela::QtDialogs dialogs(morvela::AppTitle);
    morvela::SystemClock clock;
    morvela::DiskFileSystem files;
    morvela::SystemShell shell;
    morvela::NetworkHostIdentity host;
    morvela::Services services{dialogs, clock, files, shell, host};

    morvela::MainWindow window(services);
    dialogs.setParentWindow(&window);
    window.show();
    return app.exec();
}
