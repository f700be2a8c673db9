// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard user's way through the pages that change under them: when the button that was pressed
// hides itself, the focus goes on to what the user works with next, not round the window to the tabs;
// and the note box lets Tab and Shift+Tab move on, as the system's multi-line box does.

#include "support/WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace morvela;
using namespace morvela::test;
using namespace Qt::StringLiterals;

namespace {

// The window on screen and active, the page of the control up, the focus on the control.
void focusOn(WindowFixture &f, QWidget *control) {
    f.window.show();
    QApplication::setActiveWindow(&f.window);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QVERIFY(f.selectPageOf(control));
    control->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), control);
}

enum class Press { Space, Enter, Mouse };

void press(QWidget *button, Press how) {
    switch (how) {
    case Press::Space:
        QTest::keyClick(button, Qt::Key_Space);
        break;
    case Press::Enter:
        QTest::keyClick(button, Qt::Key_Return);
        break;
    case Press::Mouse:
        QTest::mouseClick(button, Qt::LeftButton);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Press)

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void focusFollowsTheHiddenButton_data();
    void focusFollowsTheHiddenButton();
    void deletingTheNoteFromItsTextReturnsToCreate();
    void switchingTabsLeavesTheFocusAlone();
    void tabLeavesTheNote_data();
    void tabLeavesTheNote();
    void aPastedTabStaysInTheNote();
};

void KeyboardTest::focusFollowsTheHiddenButton_data() {
    QTest::addColumn<Press>("how");
    QTest::newRow("space") << Press::Space;
    QTest::newRow("enter") << Press::Enter;
    QTest::newRow("mouse") << Press::Mouse;
}

// 开始始制作日程表 → the 06：00 box; 新建一个便纸条 → the note's text; 删除便纸条 (OK) → 新建一个便纸条.
void KeyboardTest::focusFollowsTheHiddenButton() {
    QFETCH(Press, how);
    WindowFixture f;

    auto *ks = f.find<QPushButton>("ks");
    focusOn(f, ks);
    press(ks, how);
    QVERIFY(ks->isHidden());
    QCOMPARE(QApplication::focusWidget(), f.find("Text2"));

    auto *create = f.find<QPushButton>("qhbzt");
    focusOn(f, create);
    press(create, how);
    QVERIFY(create->isHidden());
    QCOMPARE(QApplication::focusWidget(), f.find("Text36"));

    auto *remove = f.find<QPushButton>("qkbzt");
    remove->setFocus(Qt::TabFocusReason);
    f.platform.dialogs.answer(DialogAnswer::Ok);
    press(remove, how);
    QVERIFY(remove->isHidden());
    QCOMPARE(QApplication::focusWidget(), create);

    // A Cancel leaves the note, and the focus stays on the button.
    press(create, how);
    remove->setFocus(Qt::TabFocusReason);
    f.platform.dialogs.answer(DialogAnswer::Cancel);
    press(remove, how);
    QCOMPARE(QApplication::focusWidget(), remove);
}

// The note is deleted while the user types in it (an assistive tool presses 删除便纸条): the focus
// ends on 新建一个便纸条, the one control of the page that is left.
void KeyboardTest::deletingTheNoteFromItsTextReturnsToCreate() {
    WindowFixture f;
    auto *create = f.find<QPushButton>("qhbzt");
    focusOn(f, create);
    create->click();
    auto *note = f.find<QPlainTextEdit>("Text36");
    note->setFocus(Qt::TabFocusReason);
    f.platform.dialogs.answer(DialogAnswer::Ok);
    f.find<QPushButton>("qkbzt")->click();
    QVERIFY(note->isHidden());
    QCOMPARE(QApplication::focusWidget(), create);
}

// Hidden with its page, a control keeps the window's focus where Qt puts it; nothing on the page that
// goes away is focused.
void KeyboardTest::switchingTabsLeavesTheFocusAlone() {
    WindowFixture f;
    auto *ks = f.find<QPushButton>("ks");
    focusOn(f, ks);
    QVERIFY(f.selectPage(u"DateQueryPage"_s));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(!focus || focus->isVisible());
    QVERIFY(focus != f.find("Text2"));
}

void KeyboardTest::tabLeavesTheNote_data() {
    QTest::addColumn<bool>("backwards");
    QTest::newRow("Tab") << false;
    QTest::newRow("Shift+Tab") << true;
}

// Tab and Shift+Tab move out of the note, which takes no tab character from the keyboard.
void KeyboardTest::tabLeavesTheNote() {
    QFETCH(bool, backwards);
    WindowFixture f;
    auto *create = f.find<QPushButton>("qhbzt");
    focusOn(f, create);
    create->click();
    auto *note = f.find<QPlainTextEdit>("Text36");
    note->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(note, u"ab"_s);
    QTest::keyClick(note, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(note->toPlainText(), u"ab"_s);
    QVERIFY(QApplication::focusWidget() != note);
    if (!backwards)
        QCOMPARE(QApplication::focusWidget(), f.find("bcbzt")); // the next control, 保存为文本文件
}

// A tab that comes in with pasted text stays in the note.
void KeyboardTest::aPastedTabStaysInTheNote() {
    WindowFixture f;
    auto *create = f.find<QPushButton>("qhbzt");
    focusOn(f, create);
    create->click();
    auto *note = f.find<QPlainTextEdit>("Text36");
    note->setFocus(Qt::TabFocusReason);
    QGuiApplication::clipboard()->setText(u"买\t返"_s);
    QTest::keyClick(note, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(note->toPlainText(), u"买\t返"_s);
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
