// SPDX-License-Identifier: GPL-3.0-or-later
// While a message box is open, nothing of the window runs: no click handler starts, whatever brings the
// click (an assistive tool's press action, the mouse, the keyboard, a click queued before the box came
// up), and assistive tools see the window and its controls as unavailable. The boxes here are the real
// ones, shown modally over the real window.

#include "app/StatusBar.h"
#include "common/AppTexts.h"
#include "platform/Dialogs.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace morvela;
using namespace morvela::test;
using namespace Qt::StringLiterals;

namespace {

// The window over the fake platform, except that its questions and messages are the real boxes.
struct RealBoxesWindow {
    FakePlatform platform;
    QtDialogs dialogs{AppTitle};
    Services services{dialogs, platform.clock, platform.files, platform.shell, platform.host};
    WindowFixture fixture{services};
    MainWindow &window = fixture.window;

    RealBoxesWindow() {
        dialogs.setParentWindow(&window);
        window.show();
    }
    template <class T = QWidget> T *find(const char *name) const { return fixture.find<T>(name); }
};

// What an assistive tool does to press a button: the press action of its accessible interface.
void pressByAccessibility(QWidget *button) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible && accessible->actionInterface());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

bool unavailable(QWidget *widget) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible && accessible->state().disabled;
}

QList<QMessageBox *> openBoxes() {
    QList<QMessageBox *> boxes;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            boxes.append(box);
    return boxes;
}

// Watches for message boxes as they come up and hands each new one to `onBox` (its number counts from
// 0). A box that `onBox` leaves alone stays open until it is answered; when there is no `onBox`, a new
// box is answered at once with its last button, so that a test that lets a box through still ends.
class BoxWatcher final : public QObject {
public:
    std::function<void(QMessageBox *, int)> onBox;
    QStringList prompts; // every box that came up, in order
    int mostOpenAtOnce = 0;

    BoxWatcher() {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &BoxWatcher::poll);
        m_timer.start();
    }

private:
    void poll() {
        const QList<QMessageBox *> boxes = openBoxes();
        mostOpenAtOnce = std::max(mostOpenAtOnce, int(boxes.size()));
        for (QMessageBox *box : boxes) {
            // A box lives on the stack of the call that shows it, so a later box can have the same
            // address; the mark tells them apart.
            if (box->property("watched").toBool())
                continue;
            box->setProperty("watched", true);
            const int number = int(prompts.size());
            prompts << box->text();
            // Acted on outside this timer's slot: an action that opens a box of its own must not keep the
            // watcher from seeing it.
            QPointer<QMessageBox> watched(box);
            QTimer::singleShot(0, this, [this, watched, number] {
                if (!watched)
                    return;
                if (onBox && number == 0)
                    onBox(watched, number);
                else
                    watched->buttons().constLast()->click();
            });
        }
    }
    QTimer m_timer;
};

// Presses the button `times` times, `gap` milliseconds apart, through the assistive interface; runs on
// while boxes are open, then calls `done`.
void pressRepeatedly(QWidget *button, int times, int gap, std::function<void()> done) {
    auto *timer = new QTimer;
    auto count = std::make_shared<int>(0);
    timer->setInterval(gap);
    QObject::connect(timer, &QTimer::timeout, [=] {
        if (*count < times) {
            ++*count;
            pressByAccessibility(button);
            return;
        }
        timer->stop();
        timer->deleteLater();
        done();
    });
    timer->start();
}

QAbstractButton *buttonWithText(QMessageBox *box, const QString &text) {
    for (QAbstractButton *b : box->buttons())
        if (b->text() == text)
            return b;
    return nullptr;
}

enum class Path { Accessibility, Mouse, Keyboard, QueuedClick };

} // namespace

Q_DECLARE_METATYPE(Path)

class ModalityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nothingRunsBehindTheClearQuestion_data();
    void nothingRunsBehindTheClearQuestion();
    void aPressQueuedBeforeTheBoxDoesNotRunBehindIt();
    void repeatedPressesAskTheHemisphereOnce();
    void theWindowIsAvailableAgainAfterTheBox();
    void theWindowKeepsItsLooksBehindTheBox();
};

void ModalityTest::nothingRunsBehindTheClearQuestion_data() {
    QTest::addColumn<Path>("path");
    QTest::newRow("assistive press action") << Path::Accessibility;
    QTest::newRow("mouse click") << Path::Mouse;
    QTest::newRow("space key") << Path::Keyboard;
    QTest::newRow("queued click") << Path::QueuedClick;
}

// With 清空's question open on the converter page, 转换 is pressed; a rule of 买 100 返 0 would bring up
// the warning. Nothing happens: the question stays the only box, and after Cancel every box keeps its
// text.
void ModalityTest::nothingRunsBehindTheClearQuestion() {
    QFETCH(Path, path);
    RealBoxesWindow f;
    auto *mai = f.find<QLineEdit>("mai");
    auto *fan = f.find<QLineEdit>("fan");
    auto *zhe = f.find<QLineEdit>("zhe");
    auto *convert = f.find<QPushButton>("Command31");
    auto *clear = f.find<QPushButton>("Command30");
    QVERIFY(f.fixture.selectPageOf(convert));
    mai->setText(u"100"_s);
    fan->setText(u"0"_s);
    zhe->setText(u"8"_s);

    BoxWatcher watcher;
    bool seenUnavailable[4] = {};
    bool answered = false;
    watcher.onBox = [&](QMessageBox *box, int) {
        seenUnavailable[0] = unavailable(&f.window);
        seenUnavailable[1] = unavailable(convert);
        seenUnavailable[2] = unavailable(mai);
        seenUnavailable[3] = unavailable(f.find("SSTab2"));
        switch (path) {
        case Path::Accessibility:
            pressByAccessibility(convert);
            break;
        case Path::Mouse:
            QTest::mouseClick(convert, Qt::LeftButton);
            break;
        case Path::Keyboard:
            convert->setFocus();
            QTest::keyClick(convert, Qt::Key_Space);
            break;
        case Path::QueuedClick:
            QMetaObject::invokeMethod(convert, "click", Qt::QueuedConnection);
            break;
        }
        // An animated press lands after 100 ms; give it time, then cancel the question.
        QTimer::singleShot(400, box, [box, &answered] {
            answered = true;
            buttonWithText(box, u"取消"_s)->click();
        });
    };
    pressByAccessibility(clear);
    QTRY_VERIFY(answered);
    QTRY_VERIFY(openBoxes().isEmpty());

    QCOMPARE(watcher.prompts, QStringList{ClearDataQuestion});
    QCOMPARE(watcher.mostOpenAtOnce, 1);
    QCOMPARE(mai->text(), u"100"_s);
    QCOMPARE(fan->text(), u"0"_s);
    QCOMPARE(zhe->text(), u"8"_s);
    QVERIFY2(seenUnavailable[0], "the window reports itself available behind the box");
    QVERIFY2(seenUnavailable[1], "转换 reports itself available behind the box");
    QVERIFY2(seenUnavailable[2], "the box mai reports itself available behind the box");
    QVERIFY2(seenUnavailable[3], "the tab control reports itself available behind the box");
}

// 清空 and then 转换 are pressed before either press has landed; 清空's question comes up first, and the
// press of 转换 that was already on its way does not run behind it.
void ModalityTest::aPressQueuedBeforeTheBoxDoesNotRunBehindIt() {
    RealBoxesWindow f;
    auto *convert = f.find<QPushButton>("Command31");
    auto *clear = f.find<QPushButton>("Command30");
    QVERIFY(f.fixture.selectPageOf(convert));
    f.find<QLineEdit>("mai")->setText(u"100"_s);
    f.find<QLineEdit>("fan")->setText(u"0"_s);

    BoxWatcher watcher;
    bool answered = false;
    watcher.onBox = [&](QMessageBox *box, int) {
        QTimer::singleShot(400, box, [box, &answered] {
            answered = true;
            buttonWithText(box, u"取消"_s)->click();
        });
    };
    // Both presses are animated for 100 ms before they land; 清空's lands first.
    pressByAccessibility(clear);
    pressByAccessibility(convert);
    QTRY_VERIFY(answered);
    QTRY_VERIFY(openBoxes().isEmpty());
    QCOMPARE(watcher.prompts, QStringList{ClearDataQuestion});
}

// The season query is pressed again and again while its hemisphere question is open: the question is
// asked once, and after Yes the one answer follows.
void ModalityTest::repeatedPressesAskTheHemisphereOnce() {
    RealBoxesWindow f;
    auto *season = f.find<QPushButton>("Command21");
    QVERIFY(f.fixture.selectPageOf(season));
    f.find<QLineEdit>("Text1")->setText(u"2009-8-1"_s);

    BoxWatcher watcher;
    bool answered = false;
    watcher.onBox = [&](QMessageBox *box, int) {
        QPointer<QMessageBox> question(box);
        pressRepeatedly(season, 19, 120, [question, &answered] {
            answered = true;
            if (question)
                buttonWithText(question, u"是(&Y)"_s)->click();
        });
    };
    pressByAccessibility(season);
    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QTRY_VERIFY(openBoxes().isEmpty());
    QCOMPARE(watcher.prompts.count(u"请问您所在的地理位置是在北半球吗？"_s), 1);
    QCOMPARE(watcher.prompts.size(), 2); // the question, then the season
    QCOMPARE(watcher.mostOpenAtOnce, 1);
}

// Once the box is answered the window and its controls are available again, the keyboard focus is back
// where it was, and a press runs its handler.
void ModalityTest::theWindowIsAvailableAgainAfterTheBox() {
    RealBoxesWindow f;
    QApplication::setActiveWindow(&f.window);
    auto *clear = f.find<QPushButton>("Command30");
    auto *mai = f.find<QLineEdit>("mai");
    QVERIFY(f.fixture.selectPageOf(clear));
    mai->setText(u"100"_s);
    clear->setFocus();

    BoxWatcher watcher;
    bool boxEnabled = false;
    watcher.onBox = [&](QMessageBox *box, int) {
        boxEnabled = box->isEnabled() && !unavailable(buttonWithText(box, u"确定"_s));
        buttonWithText(box, u"取消"_s)->click();
    };
    pressByAccessibility(clear);
    QTRY_COMPARE(watcher.prompts.size(), 1);
    QTRY_VERIFY(openBoxes().isEmpty());
    QVERIFY2(boxEnabled, "the box itself must take input");
    QVERIFY(!unavailable(&f.window));
    QVERIFY(!unavailable(clear));
    QVERIFY(!unavailable(mai));
    QCOMPARE(f.window.focusWidget(), clear);

    // A second press runs the handler: OK empties the boxes.
    watcher.onBox = [&](QMessageBox *box, int) { buttonWithText(box, u"确定"_s)->click(); };
    watcher.prompts.clear();
    pressByAccessibility(clear);
    QTRY_COMPARE(watcher.prompts.size(), 1);
    QTRY_COMPARE(mai->text(), QString());
}

// The system leaves the owner of a modal box as it looks; the window is disabled behind the box, but
// its picture, captions, boxes and status bar are not greyed.
void ModalityTest::theWindowKeepsItsLooksBehindTheBox() {
    RealBoxesWindow f;
    auto *clear = f.find<QPushButton>("Command30");
    auto *mai = f.find<QLineEdit>("mai");
    QVERIFY(f.fixture.selectPageOf(clear));
    mai->setText(u"100"_s);
    const QList<QWidget *> parts{f.find("Image9"), f.find("Label23"), mai, f.window.statusBar()};
    QList<QImage> before;
    for (QWidget *part : parts)
        before << part->grab().toImage();

    BoxWatcher watcher;
    QList<QImage> behind;
    bool captionsAsBefore = false;
    watcher.onBox = [&](QMessageBox *box, int) {
        for (QWidget *part : parts)
            behind << part->grab().toImage();
        // The style draws a disabled button's bevel flat; its caption keeps its colour.
        const QPalette palette = clear->palette();
        captionsAsBefore = palette.color(QPalette::Disabled, QPalette::ButtonText) ==
                           palette.color(QPalette::Inactive, QPalette::ButtonText);
        buttonWithText(box, u"取消"_s)->click();
    };
    pressByAccessibility(clear);
    QTRY_COMPARE(behind.size(), parts.size());
    QTRY_VERIFY(openBoxes().isEmpty());
    for (qsizetype i = 0; i < parts.size(); ++i)
        QVERIFY2(behind.at(i) == before.at(i), qPrintable(parts.at(i)->objectName() + u" looks different"_s));
    QVERIFY2(captionsAsBefore, "the buttons' captions are greyed behind the box");
}

QTEST_MAIN(ModalityTest)
#include "tst_modality.moc"
