// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainWindow.h"
#include "platform/fakes/FakePlatform.h"

#include <QAbstractButton>
#include <QLatin1String>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace morvela::test {

// The one way tests reach the window: the main window built as main() builds it, on the fake platform
// (or on services of the test's own), with every page built at once so that a test can reach the
// controls of a page it has not opened. The window is not shown; showPage() shows it where a test needs
// drawing, focus or pictures. Building the window reads the clock once (the status bar's date and time).
struct WindowFixture {
    // Which pages are built when the fixture is made: all of them, or none but those the window builds
    // as it shows them (the window exactly as the program opens it, for the tests of that building).
    enum class Pages { AllBuilt, BuiltWhenShown };

    explicit WindowFixture(Pages pages = Pages::AllBuilt);
    // The window on the given services (a real disk, say); `platform` then stays unused.
    explicit WindowFixture(Services &services);

    FakePlatform platform;
    MainWindow window;

    // A control of the window by its name, or nullptr when there is none of that kind.
    template <class T = QWidget> T *find(const QString &name) const { return window.findChild<T *>(name); }
    template <class T = QWidget> T *find(QLatin1String name) const { return find<T>(QString(name)); }
    template <class T = QWidget> T *find(const char *name) const { return find<T>(QString::fromUtf8(name)); }

    // A control that must be there: a missing one ends the test run, naming the control.
    template <class T = QWidget> T *control(const QString &name) const {
        T *found = find<T>(name);
        if (!found)
            missing(name);
        return found;
    }
    template <class T = QWidget> T *control(QLatin1String name) const { return control<T>(QString(name)); }
    template <class T = QWidget> T *control(const char *name) const {
        return control<T>(QString::fromUtf8(name));
    }

    // Selects the tabs that lead to the page (WelcomePage, SchedulePage, ..., AboutPage), from the
    // outside in, as a user clicks them. False when there is no such page. (In a window shown with pages
    // built when shown, each tab brings up the next tab control.)
    bool selectPage(const QString &pageName);
    // Selects the page the control lies on.
    bool selectPageOf(const QWidget *control);
    // Selects the page, shows the window and waits until it is on screen.
    bool showPage(const QString &pageName);

    // Replaces the box's text by typing, one key press per character.
    static void type(QLineEdit *box, const QString &text);
    void type(const QString &box, const QString &text) { type(control<QLineEdit>(box), text); }
    void type(QLatin1String box, const QString &text) { type(control<QLineEdit>(box), text); }
    void type(const char *box, const QString &text) { type(control<QLineEdit>(box), text); }

    // Presses the button with the mouse.
    static void press(QAbstractButton *button);
    void press(const QString &button) { press(control<QAbstractButton>(button)); }
    void press(QLatin1String button) { press(control<QAbstractButton>(button)); }
    void press(const char *button) { press(control<QAbstractButton>(button)); }

private:
    [[noreturn]] static void missing(const QString &name);
};

} // namespace morvela::test
