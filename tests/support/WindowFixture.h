#pragma once

#include "app/MainWindow.h"
#include "platform/fakes/FakePlatform.h"

#include <QString>
#include <QWidget>

namespace morvela::test {

// The main window on the fake platform. The window is built but not shown; show() it where a test needs
// drawing, focus or pictures. Building the window reads the clock once (the status bar's date and time).
struct WindowFixture {
    FakePlatform platform;
    MainWindow window{platform.services};

    // A control of the window by its name, or nullptr when there is none of that kind.
    template <class T = QWidget> T *find(const QString &name) const { return window.findChild<T *>(name); }
    template <class T = QWidget> T *find(const char *name) const { return find<T>(QString::fromUtf8(name)); }

    // Selects the tabs that lead to the page (WelcomePage, SchedulePage, ..., AboutPage), as a user would.
    // False when there is no such page.
    bool selectPage(const QString &pageName);
};

} // namespace morvela::test
