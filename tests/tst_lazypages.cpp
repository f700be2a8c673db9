// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the program opens it: each page's controls made when the page is first shown. The user
// must not be able to tell: every control, its starting state, the keyboard order and the handlers are
// the same as in a window whose pages were all built before it was shown.
#include "solvers/QuadraticPage.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::WindowFixture;

namespace {

const QStringList Pages{u"WelcomePage"_s,    u"SchedulePage"_s,     u"DateQueryPage"_s, u"MailPage"_s,
                        u"StickyNotePage"_s, u"LinearSystemPage"_s, u"QuadraticPage"_s, u"VerbLookupPage"_s,
                        u"RebatePage"_s,     u"HostInfoPage"_s};

// Everything a user (or a screen reader) can learn about the named controls of a window, one line each.
QStringList describe(const MainWindow &w) {
    QStringList lines;
    const QList<QWidget *> widgets = w.findChildren<QWidget *>();
    for (QWidget *c : widgets) {
        if (c->objectName().isEmpty() || c->objectName().startsWith(u"qt_"_s))
            continue;
        QString text;
        if (auto *b = qobject_cast<QAbstractButton *>(c))
            text = b->text();
        else if (auto *e = qobject_cast<QLineEdit *>(c))
            text = e->text();
        else if (auto *p = qobject_cast<QPlainTextEdit *>(c))
            text = p->toPlainText();
        else if (auto *l = qobject_cast<QLabel *>(c))
            text = l->text();
        const QRect g = c->geometry();
        lines << u"%1 %2 %3,%4 %5x%6 hidden=%7 enabled=%8 [%9] tip=[%10] font=%11 acc=[%12] parent=%13"_s
                     .arg(c->objectName(), QString::fromLatin1(c->metaObject()->className()))
                     .arg(g.x())
                     .arg(g.y())
                     .arg(g.width())
                     .arg(g.height())
                     .arg(c->isHidden())
                     .arg(c->isEnabled())
                     .arg(text, c->toolTip(), c->font().toString(), c->accessibleName(),
                          c->parentWidget() ? c->parentWidget()->objectName() : QString());
    }
    lines.sort();
    return lines;
}

// The keyboard order: the named focusable controls in the order Tab visits them, from SSTab2 round.
QStringList focusChain(const MainWindow &w) {
    QStringList names;
    QWidget *start = w.findChild<QWidget *>(u"SSTab2"_s);
    QWidget *current = start;
    do {
        if (!current->objectName().isEmpty() && current->focusPolicy() & Qt::TabFocus)
            names << current->objectName();
        current = current->nextInFocusChain();
    } while (current && current != start && names.size() < 1000);
    return names;
}

} // namespace

class LazyPagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithOnlyTheFirstPageBuilt();
    void eachPageMatchesTheWholeWindowOnceShown();
    void buildAllPagesMatchesTheWholeWindow();
    void handlersAreAttachedOnceWhenThePageIsBuilt();
};

void LazyPagesTest::opensWithOnlyTheFirstPageBuilt() {
    WindowFixture f(WindowFixture::Pages::BuiltWhenShown);
    MainWindow &w = f.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.isPageBuilt(u"WelcomePage"_s));
    QVERIFY(f.find<QLabel>(u"Image1"_s));
    QVERIFY(f.find<QWidget>(u"StatusBar1"_s));
    for (const QString &page : Pages.mid(1))
        QVERIFY2(!w.isPageBuilt(page), qPrintable(page));
    QVERIFY(!f.find<QWidget>(u"ks"_s));
    QVERIFY(!f.find<QWidget>(u"SSTab3"_s)); // lies on the "实用工具" page, not opened yet
}

void LazyPagesTest::eachPageMatchesTheWholeWindowOnceShown() {
    WindowFixture eagerFixture;
    MainWindow &eager = eagerFixture.window;
    WindowFixture lazyFixture(WindowFixture::Pages::BuiltWhenShown);
    MainWindow &lazy = lazyFixture.window;
    eager.show();
    lazy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lazy));
    for (const QString &page : Pages) {
        QVERIFY(lazyFixture.selectPage(page));
        QVERIFY(eagerFixture.selectPage(page));
        QVERIFY2(lazy.isPageBuilt(page), qPrintable(page));
        // Every control of the page is on screen as the tables say, just as in the whole window.
        const QStringList eagerLines = describe(eager).filter(u"parent=%1"_s.arg(page));
        QCOMPARE(describe(lazy).filter(u"parent=%1"_s.arg(page)), eagerLines);
    }
    for (WindowFixture *f : {&lazyFixture, &eagerFixture}) {
        QVERIFY(f->selectPage(u"WelcomePage"_s));
        f->find<QTabWidget>(u"SSTab2"_s)->setCurrentIndex(2); // 关于
    }
    QVERIFY(lazyFixture.find<QLabel>(u"Label11"_s)->isVisible());
    QCOMPARE(describe(lazy), describe(eager));
    QCOMPARE(focusChain(lazy), focusChain(eager));
}

// Building the rest of the pages after some were built as shown gives the whole window too.
void LazyPagesTest::buildAllPagesMatchesTheWholeWindow() {
    WindowFixture eagerFixture;
    MainWindow &eager = eagerFixture.window;
    WindowFixture lazyFixture(WindowFixture::Pages::BuiltWhenShown);
    MainWindow &lazy = lazyFixture.window;
    for (WindowFixture *f : {&lazyFixture, &eagerFixture}) {
        f->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f->window));
        QVERIFY(f->selectPage(u"QuadraticPage"_s));
        QVERIFY(f->selectPage(u"WelcomePage"_s));
    }
    QVERIFY(!lazy.isPageBuilt(u"SchedulePage"_s));
    lazy.buildAllPages();
    for (const QString &page : Pages)
        QVERIFY2(lazy.isPageBuilt(page), qPrintable(page));
    QCOMPARE(describe(lazy), describe(eager));
    QCOMPARE(focusChain(lazy), focusChain(eager));
}

void LazyPagesTest::handlersAreAttachedOnceWhenThePageIsBuilt() {
    WindowFixture f(WindowFixture::Pages::BuiltWhenShown);
    FakePlatform &p = f.platform;
    MainWindow &w = f.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(f.selectPage(u"QuadraticPage"_s));
    // Leave the page and come back: the page is not built (nor wired) a second time.
    QVERIFY(f.selectPage(u"SchedulePage"_s));
    QVERIFY(f.selectPage(u"QuadraticPage"_s));
    f.control<QLineEdit>(quadraticpage::E)->setText(u"1"_s);
    f.control<QLineEdit>(quadraticpage::F)->setText(u"0"_s);
    f.control<QLineEdit>(quadraticpage::Z)->setText(u"-1"_s);
    f.control<QAbstractButton>(quadraticpage::SolveButton)->click();
    QCOMPARE(p.dialogs.messages(), QStringList{u"此方程无实数解！"_s});
    QCOMPARE(w.findChildren<QLineEdit *>(quadraticpage::E).size(), 1);

    f.control<QLineEdit>(quadraticpage::Z)->setText(u"2"_s);
    f.control<QAbstractButton>(quadraticpage::SolveButton)->click();
    QCOMPARE(f.control<QLabel>(quadraticpage::X1Result)->text(), u"1.4142135623731"_s);
}

QTEST_MAIN(LazyPagesTest)
#include "tst_lazypages.moc"
