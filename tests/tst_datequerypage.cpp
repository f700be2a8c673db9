// The date query page in the real window: Text1 and the buttons Command17 to Command21, with the
// dialogs and the clock scripted.

#include "app/MainWindow.h"
#include "common/Controls.h"
#include "platform/fakes/FakePlatform.h"
#include "support/TestHelpers.h"
#include "support/UserActions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace morvela;

namespace {

const QString startingText = QStringLiteral("请输入日期（yyyy-mm-dd）");
const QString hemisphereQuestion = QStringLiteral("请问您所在的地理位置是在北半球吗？");

// Every dialog shown, in order, as one line each: its kind, form or icon, and prompt.
QStringList transcript(const FakeDialogs &dialogs) {
    QStringList out;
    for (const FakeDialogs::Shown &s : dialogs.shown()) {
        if (s.kind == FakeDialogs::Kind::Confirm)
            out << (s.form == ConfirmForm::YesNo ? u"yes/no? " : u"ok/cancel? ") + s.prompt;
        else
            out << (s.icon == InfoIcon::Information ? u"info: " : u"warning: ") + s.prompt;
    }
    return out;
}

QString info(const QString &message) {
    return u"info: " + message;
}
QString question() {
    return u"yes/no? " + hemisphereQuestion;
}

struct Page {
    FakePlatform p;
    MainWindow w{p.services};
    QLineEdit *text1 = control<QLineEdit>(&w, "Text1");
    void click(const char *button) { control<QPushButton>(&w, button)->click(); }
};

} // namespace

class TestDateQueryPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsWithTheHint();
    void theHintShowsFromItsStart();
    void queries_data();
    void queries();
    void todayThenEveryQuery();
    void todayReplacesAnyText();
    void season_data();
    void season();
    void seasonClosedWithoutAnswer();
    void seasonAsksOnEveryPress();
};

void TestDateQueryPage::startsWithTheHint() {
    Page page;
    QCOMPARE(page.text1->text(), startingText);
    page.click("Command18");
    page.click("Command19");
    page.click("Command20");
    QCOMPARE(transcript(page.p.dialogs), QStringList());
}

// The starting text is shown from its first character: the cursor stands before "请", and the box has
// not scrolled it out of sight.
void TestDateQueryPage::theHintShowsFromItsStart() {
    Page page;
    page.w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.w));
    morvela::test::bringUp(page.text1->parentWidget());
    QCoreApplication::processEvents();
    QCOMPARE(page.text1->cursorPosition(), 0);
    // The cursor is drawn at the left edge of the text area, where the first character begins.
    const QRect cursor = page.text1->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(page.text1->font());
    QVERIFY2(cursor.center().x() < metrics.horizontalAdvance(startingText.left(1)),
             qPrintable(QStringLiteral("cursor at x = %1").arg(cursor.center().x())));
}

// Weekday, week and day queries pressed in turn; an empty weekday message means silence from all three.
void TestDateQueryPage::queries_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("day");
    QTest::newRow("2009-8-1") << QStringLiteral("2009-8-1") << QStringLiteral("这一天是星期六。") << 31
                              << 213;
    QTest::newRow("2009-08-01") << QStringLiteral("2009-08-01") << QStringLiteral("这一天是星期六。") << 31
                                << 213;
    QTest::newRow("2009/8/1") << QStringLiteral("2009/8/1") << QStringLiteral("这一天是星期六。") << 31
                              << 213;
    QTest::newRow("blanks around") << QStringLiteral(" 2009-8-1 ") << QStringLiteral("这一天是星期六。") << 31
                                   << 213;
    QTest::newRow("2009-1-1") << QStringLiteral("2009-1-1") << QStringLiteral("这一天是星期四。") << 1 << 1;
    QTest::newRow("2009-1-3") << QStringLiteral("2009-1-3") << QStringLiteral("这一天是星期六。") << 1 << 3;
    QTest::newRow("2009-1-4") << QStringLiteral("2009-1-4") << QStringLiteral("这一天是星期天。") << 2 << 4;
    QTest::newRow("2009-3-1") << QStringLiteral("2009-3-1") << QStringLiteral("这一天是星期天。") << 10 << 60;
    QTest::newRow("2008-3-1") << QStringLiteral("2008-3-1") << QStringLiteral("这一天是星期六。") << 9 << 61;
    QTest::newRow("2009-12-31") << QStringLiteral("2009-12-31") << QStringLiteral("这一天是星期四。") << 53
                                << 365;
    QTest::newRow("2000-12-31") << QStringLiteral("2000-12-31") << QStringLiteral("这一天是星期天。") << 54
                                << 366;
    QTest::newRow("2006-1-1") << QStringLiteral("2006-1-1") << QStringLiteral("这一天是星期天。") << 1 << 1;
    QTest::newRow("full-width digits")
        << QStringLiteral("２００９-８-１") << QStringLiteral("这一天是星期六。") << 31 << 213;
    QTest::newRow("full-width digits and slashes")
        << QStringLiteral("２０００／１２／３１") << QStringLiteral("这一天是星期天。") << 54 << 366;
    QTest::newRow("starting text") << startingText << QString() << 0 << 0;
    QTest::newRow("empty") << QString() << QString() << 0 << 0;
    QTest::newRow("blanks only") << QStringLiteral("   ") << QString() << 0 << 0;
    QTest::newRow("no such day") << QStringLiteral("2009-2-29") << QString() << 0 << 0;
    QTest::newRow("huge number") << QStringLiteral("99999999999999999999") << QString() << 0 << 0;
}

void TestDateQueryPage::queries() {
    QFETCH(QString, text);
    QFETCH(QString, weekday);
    QFETCH(int, week);
    QFETCH(int, day);
    Page page;
    page.text1->setText(text);
    page.click("Command18");
    page.click("Command19");
    page.click("Command20");
    QStringList expected;
    if (!weekday.isEmpty())
        expected << info(weekday) << info(QStringLiteral("这一天处于这一年的第%1周。").arg(week))
                 << info(QStringLiteral("这一天是这一年的第%1天。").arg(day));
    QCOMPARE(transcript(page.p.dialogs), expected);
    QCOMPARE(page.text1->text(), text); // the queries never write Text1
}

// "同步为今日日期" on 1 August 2009, then each query answers for that day.
void TestDateQueryPage::todayThenEveryQuery() {
    Page page;
    page.p.clock.set(QDateTime(QDate(2009, 8, 1), QTime(21, 27, 5)));
    const int readingsBefore = page.p.clock.readings(); // the status bar reads the clock as well
    page.click("Command17");
    QCOMPARE(page.text1->text(), test::regional(QStringLiteral("2009-8-1"))); // 2009/8/1 on a Chinese Windows
    QCOMPARE(page.p.clock.readings() - readingsBefore, 1);
    QCOMPARE(transcript(page.p.dialogs), QStringList());

    page.p.dialogs.answer(DialogAnswer::Yes);
    page.click("Command18");
    page.click("Command19");
    page.click("Command20");
    page.click("Command21");
    QCOMPARE(transcript(page.p.dialogs), (QStringList{info(QStringLiteral("这一天是星期六。")),
                                                      info(QStringLiteral("这一天处于这一年的第31周。")),
                                                      info(QStringLiteral("这一天是这一年的第213天。")),
                                                      question(), info(QStringLiteral("这一天处于夏季。"))}));
}

void TestDateQueryPage::todayReplacesAnyText() {
    Page page;
    page.text1->setText(QStringLiteral("something else"));
    page.p.clock.set(QDateTime(QDate(2000, 12, 31), QTime(0, 0)));
    page.click("Command17");
    QCOMPARE(page.text1->text(), test::regional(QStringLiteral("2000-12-31")));
    page.click("Command19");
    page.click("Command20");
    QCOMPARE(page.p.dialogs.messages(), (QStringList{QStringLiteral("这一天处于这一年的第54周。"),
                                                     QStringLiteral("这一天是这一年的第366天。")}));
}

void TestDateQueryPage::season_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("message"); // empty: nothing after the question
    const QString winter = QStringLiteral("这一天处于冬季。");
    const QString spring = QStringLiteral("这一天处于春季。");
    const QString summer = QStringLiteral("这一天处于夏季。");
    const QString autumn = QStringLiteral("这一天处于秋季。");
    QTest::newRow("2009-1-1 Yes") << QStringLiteral("2009-1-1") << true << winter;
    QTest::newRow("2009-3-31 Yes") << QStringLiteral("2009-3-31") << true << winter;
    QTest::newRow("2009-4-1 Yes") << QStringLiteral("2009-4-1") << true << spring;
    QTest::newRow("2009-6-30 Yes") << QStringLiteral("2009-6-30") << true << spring;
    QTest::newRow("2009-7-1 Yes") << QStringLiteral("2009-7-1") << true << summer;
    QTest::newRow("2009-8-1 Yes") << QStringLiteral("2009-8-1") << true << summer;
    QTest::newRow("2009-10-1 Yes") << QStringLiteral("2009-10-1") << true << autumn;
    QTest::newRow("2009-12-31 Yes") << QStringLiteral("2009-12-31") << true << autumn;
    QTest::newRow("2009-1-15 No") << QStringLiteral("2009-1-15") << false << summer;
    QTest::newRow("2009-5-1 No") << QStringLiteral("2009-5-1") << false << autumn;
    QTest::newRow("2009-8-1 No") << QStringLiteral("2009-8-1") << false << winter;
    QTest::newRow("2009-12-25 No") << QStringLiteral("2009-12-25") << false << spring;
    QTest::newRow("starting text Yes") << startingText << true << QString();
    QTest::newRow("starting text No") << startingText << false << QString();
    QTest::newRow("empty Yes") << QString() << true << QString();
    QTest::newRow("empty No") << QString() << false << QString();
    QTest::newRow("blanks Yes") << QStringLiteral("  ") << true << QString();
}

void TestDateQueryPage::season() {
    QFETCH(QString, text);
    QFETCH(bool, yes);
    QFETCH(QString, message);
    Page page;
    page.text1->setText(text);
    page.p.dialogs.answer(yes ? DialogAnswer::Yes : DialogAnswer::No);
    page.click("Command21");
    QStringList expected{question()};
    if (!message.isEmpty())
        expected << info(message);
    QCOMPARE(transcript(page.p.dialogs), expected);
    QCOMPARE(page.text1->text(), text);
}

// A question forced shut without Yes or No ends the handler: no season either way.
void TestDateQueryPage::seasonClosedWithoutAnswer() {
    Page page;
    page.text1->setText(QStringLiteral("2009-8-1"));
    page.p.dialogs.answer(DialogAnswer::NoAnswer);
    page.click("Command21");
    QCOMPARE(transcript(page.p.dialogs), QStringList{question()});
}

void TestDateQueryPage::seasonAsksOnEveryPress() {
    Page page;
    page.text1->setText(QStringLiteral("2009-8-1"));
    page.p.dialogs.answer({DialogAnswer::Yes, DialogAnswer::No, DialogAnswer::Yes});
    page.click("Command21");
    page.click("Command21");
    page.click("Command21");
    QCOMPARE(transcript(page.p.dialogs), (QStringList{question(), info(QStringLiteral("这一天处于夏季。")),
                                                      question(), info(QStringLiteral("这一天处于冬季。")),
                                                      question(), info(QStringLiteral("这一天处于夏季。"))}));
    QCOMPARE(page.p.dialogs.unansweredScript(), 0);
}

QTEST_MAIN(TestDateQueryPage)
#include "tst_datequerypage.moc"
