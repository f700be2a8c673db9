#include "support/UserActions.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace morvela::test {

void bringUp(QWidget *page) {
    for (QWidget *ancestor = page->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        auto *tabs = qobject_cast<QTabWidget *>(ancestor);
        if (!tabs)
            continue;
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i) == page || tabs->widget(i)->isAncestorOf(page))
                tabs->setCurrentIndex(i);
        }
    }
}

void type(QLineEdit *box, const QString &text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

} // namespace morvela::test
