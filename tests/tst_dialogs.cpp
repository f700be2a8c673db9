// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AppTexts.h"
#include "platform/Dialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include <functional>

using namespace morvela;
using namespace Qt::StringLiterals;

namespace {

// Runs `act` on the message box once it is up and modal. The box is shown by a call that blocks in
// its own event loop, so the action is scheduled before that call.
void whenBoxIsUp(std::function<void(QMessageBox *)> act) {
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(box);
    });
    timer->start();
}

QPushButton *buttonWithText(QMessageBox *box, const QString &text) {
    for (QAbstractButton *b : box->buttons())
        if (b->text() == text)
            return qobject_cast<QPushButton *>(b);
    return nullptr;
}

// What a screen reader reads of the box: its role, its title and its prompt.
QString spoken(QMessageBox *box) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
    if (!accessible || accessible->role() != QAccessible::AlertMessage)
        return {};
    return accessible->text(QAccessible::Name) + u'|' + accessible->text(QAccessible::Value);
}

enum class Action { Enter, Escape, CloseBox, ClickSecond };

// The four dialogs the handlers show.
enum class Kind { OkCancel, YesNo, Information, Warning };

void perform(QMessageBox *box, Action action) {
    switch (action) {
    case Action::Enter:
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case Action::Escape:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case Action::CloseBox:
        box->close();
        break;
    case Action::ClickSecond:
        box->buttons().value(1)->click();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Kind)

class DialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void okCancel_data();
    void okCancel();
    void yesNoAnswers_data();
    void yesNoAnswers();
    void yesNoRefusesEscapeAndCloseBox_data();
    void yesNoRefusesEscapeAndCloseBox();
    void infoBox_data();
    void infoBox();
    void closeBoxInTitleBar_data();
    void closeBoxInTitleBar();
};

void DialogsTest::okCancel_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("Enter answers OK") << Action::Enter << DialogAnswer::Ok;
    QTest::newRow("Esc answers Cancel") << Action::Escape << DialogAnswer::Cancel;
    QTest::newRow("close box answers Cancel") << Action::CloseBox << DialogAnswer::Cancel;
    QTest::newRow("Cancel button") << Action::ClickSecond << DialogAnswer::Cancel;
}

void DialogsTest::okCancel() {
    QFETCH(Action, action);
    QFETCH(DialogAnswer, answer);
    QtDialogs dialogs(AppTitle);
    QString title, text, read;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList captions;
    whenBoxIsUp([&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        read = spoken(box);
        icon = box->icon();
        for (QAbstractButton *b : box->buttons())
            captions << b->text();
        perform(box, action);
    });
    QCOMPARE(dialogs.ConfirmBox(u"您确定要保存日程表吗？"_s, ConfirmForm::OkCancel), answer);
    QCOMPARE(title, AppTitle);
    QCOMPARE(text, u"您确定要保存日程表吗？"_s);
    QCOMPARE(read, u"Morvela|您确定要保存日程表吗？"_s);
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(captions, (QStringList{u"确定"_s, u"取消"_s}));
}

void DialogsTest::yesNoAnswers_data() {
    QTest::addColumn<Action>("action");
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("Enter answers Yes") << Action::Enter << DialogAnswer::Yes;
    QTest::newRow("No button") << Action::ClickSecond << DialogAnswer::No;
}

void DialogsTest::yesNoAnswers() {
    QFETCH(Action, action);
    QFETCH(DialogAnswer, answer);
    QtDialogs dialogs(AppTitle);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenBoxIsUp([&](QMessageBox *box) {
        icon = box->icon();
        perform(box, action);
    });
    QCOMPARE(dialogs.ConfirmBox(u"请问您所在的地理位置是在北半球吗？"_s, ConfirmForm::YesNo), answer);
    QCOMPARE(icon, QMessageBox::Question);
}

void DialogsTest::yesNoRefusesEscapeAndCloseBox_data() {
    QTest::addColumn<Action>("action");
    QTest::newRow("Esc") << Action::Escape;
    QTest::newRow("close box") << Action::CloseBox;
}

void DialogsTest::yesNoRefusesEscapeAndCloseBox() {
    QFETCH(Action, action);
    QtDialogs dialogs(AppTitle);
    bool stillOpen = false;
    whenBoxIsUp([&](QMessageBox *box) {
        perform(box, action);
        QCoreApplication::processEvents();
        stillOpen = box->isVisible();
        // The question is still waiting for Yes or No: answer No with its button.
        buttonWithText(box, u"否(&N)"_s)->click();
    });
    QCOMPARE(dialogs.ConfirmBox(u"问"_s, ConfirmForm::YesNo), DialogAnswer::No);
    QVERIFY(stillOpen);
}

void DialogsTest::infoBox_data() {
    QTest::addColumn<InfoIcon>("icon");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("expectedIcon");
    QTest::newRow("information, Enter")
        << InfoIcon::Information << Action::Enter << int(QMessageBox::Information);
    QTest::newRow("information, Esc")
        << InfoIcon::Information << Action::Escape << int(QMessageBox::Information);
    QTest::newRow("warning, close box") << InfoIcon::Warning << Action::CloseBox << int(QMessageBox::Warning);
}

void DialogsTest::infoBox() {
    QFETCH(InfoIcon, icon);
    QFETCH(Action, action);
    QFETCH(int, expectedIcon);
    QtDialogs dialogs(AppTitle);
    QString text, title, read;
    int shownIcon = -1;
    QStringList captions;
    whenBoxIsUp([&](QMessageBox *box) {
        text = box->text();
        read = spoken(box);
        title = box->windowTitle();
        shownIcon = box->icon();
        for (QAbstractButton *b : box->buttons())
            captions << b->text();
        perform(box, action);
    });
    // Prompts carry CR LF breaks; the box shows them as line breaks.
    dialogs.InfoBox(u"第一行  \r\n第二行"_s, icon);
    QCOMPARE(text, u"第一行  \n第二行"_s);
    QCOMPARE(read, u"Morvela|第一行  \n第二行"_s);
    QCOMPARE(title, AppTitle);
    QCOMPARE(shownIcon, expectedIcon);
    QCOMPARE(captions, QStringList{u"确定"_s});
}

void DialogsTest::closeBoxInTitleBar_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("OK/Cancel: the close box answers Cancel") << Kind::OkCancel << true;
    QTest::newRow("Yes/No: no close box") << Kind::YesNo << false;
    QTest::newRow("information: the close box closes it") << Kind::Information << true;
    QTest::newRow("warning: the close box closes it") << Kind::Warning << true;
}

// Whether the title bar offers a close box. The window manager draws one unless the window asks for its
// own set of title-bar buttons (CustomizeWindowHint) and leaves the close button out of it.
void DialogsTest::closeBoxInTitleBar() {
    QFETCH(Kind, kind);
    QFETCH(bool, closeBox);
    QtDialogs dialogs(AppTitle);
    Qt::WindowFlags widgetFlags, platformFlags;
    whenBoxIsUp([&](QMessageBox *box) {
        widgetFlags = box->windowFlags();
        if (box->windowHandle())
            platformFlags = box->windowHandle()->flags();
        box->buttons().value(0)->click();
    });
    switch (kind) {
    case Kind::OkCancel:
        dialogs.ConfirmBox(u"问"_s, ConfirmForm::OkCancel);
        break;
    case Kind::YesNo:
        dialogs.ConfirmBox(u"问"_s, ConfirmForm::YesNo);
        break;
    case Kind::Information:
        dialogs.InfoBox(u"告"_s, InfoIcon::Information);
        break;
    case Kind::Warning:
        dialogs.InfoBox(u"告"_s, InfoIcon::Warning);
        break;
    }
    const auto offersClose = [](Qt::WindowFlags flags) {
        return !flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowCloseButtonHint);
    };
    QCOMPARE(offersClose(widgetFlags), closeBox);
    QCOMPARE(offersClose(platformFlags), closeBox);
    // The title with the program's name stays.
    QVERIFY(!widgetFlags.testFlag(Qt::CustomizeWindowHint) || widgetFlags.testFlag(Qt::WindowTitleHint));
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
