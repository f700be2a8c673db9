// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/WindowFixture.h"

#include "app/ControlInventory.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace morvela::test {

WindowFixture::WindowFixture(Pages pages) : window(platform.services) {
    if (pages == Pages::AllBuilt)
        window.buildAllPages();
}

WindowFixture::WindowFixture(Services &services) : window(services) {
    window.buildAllPages();
}

namespace {

// The tabs that lead to the page, outermost first, as (tab control, tab) pairs; empty when the page is
// not on this tab control.
QList<QPair<QString, int>> pathTo(const TabControlSpec &tabs, const QString &pageName) {
    for (int i = 0; i < tabs.pages.size(); ++i) {
        const PageSpec &page = tabs.pages.at(i);
        if (page.name == pageName)
            return {{tabs.name, i}};
        if (page.nested) {
            QList<QPair<QString, int>> inner = pathTo(*page.nested, pageName);
            if (!inner.isEmpty()) {
                inner.prepend({tabs.name, i});
                return inner;
            }
        }
    }
    return {};
}

} // namespace

bool WindowFixture::selectPage(const QString &pageName) {
    const QList<QPair<QString, int>> path = pathTo(outerTabControl(), pageName);
    if (path.isEmpty())
        return false;
    for (const auto &[tabsName, index] : path) {
        auto *tabs = find<QTabWidget>(tabsName);
        if (!tabs)
            return false;
        tabs->setCurrentIndex(index);
    }
    return window.findChild<QWidget *>(pageName) != nullptr;
}

bool WindowFixture::selectPageOf(const QWidget *control) {
    for (const QWidget *w = control; w && w != &window; w = w->parentWidget()) {
        if (!pathTo(outerTabControl(), w->objectName()).isEmpty())
            return selectPage(w->objectName());
    }
    return false;
}

bool WindowFixture::showPage(const QString &pageName) {
    if (!selectPage(pageName))
        return false;
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

void WindowFixture::type(QLineEdit *box, const QString &text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

void WindowFixture::press(QAbstractButton *button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowFixture::missing(const QString &name) {
    qFatal("The window has no control named %s of the expected kind", qPrintable(name));
}

} // namespace morvela::test
