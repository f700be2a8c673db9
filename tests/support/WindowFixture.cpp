#include "support/WindowFixture.h"

#include <QStackedWidget>
#include <QTabWidget>

namespace morvela::test {

bool WindowFixture::selectPage(const QString &pageName) {
    QWidget *page = window.findChild<QWidget *>(pageName);
    if (!page)
        return false;
    // From the page up: each tab control holding it shows the tab that leads to it.
    for (QWidget *child = page; child && child != &window; child = child->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(child->parentWidget());
        auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(child) >= 0)
            tabs->setCurrentWidget(child);
    }
    return true;
}

} // namespace morvela::test
