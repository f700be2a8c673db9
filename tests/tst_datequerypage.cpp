// SPDX-License-Identifier: GPL-3.0-or-later
// The date query page in the real window: Text1 and the buttons Command17 to Command21, with the
// dialogs and the clock scripted.

#include "dates/DateQueryPage.h"
#include "support/TestHelpers.h"
#include "support/WindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::WindowFixture;
using namespace morvela::datequerypage;

namespace {

const QString startingText = u"请输入日期（yyyy-mm-dd）"_s;
const QString hemisphereQuestion = u"请问您所在的地理位置是在北半球吗？"_s;

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

struct DatePage {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QLineEdit *text1 = f.control<QLineEdit>(datequerypage::DateBox);
    void click(QLatin1String button) { f.control<QPushButton>(button)->click(); }
};

} // namespace

class DateQueryPageTest : public QObject {
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

void DateQueryPageTest::startsWithTheHint() {
    DatePage page;
    QCOMPARE(page.text1->text(), startingText);
    page.click(WeekdayButton);
    page.click(WeekButton);
    page.click(DayButton);
    QCOMPARE(transcript(page.p.dialogs), QStringList());
}

// The starting text is shown from its first character: the cursor stands before "请", and the box has
// not scrolled it out of sight.
void DateQueryPageTest::theHintShowsFromItsStart() {
    DatePage page;
    page.f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.f.window));
    QVERIFY(page.f.selectPage(Page));
    QCoreApplication::processEvents();
    QCOMPARE(page.text1->cursorPosition(), 0);
    // The cursor is drawn at the left edge of the text area, where the first character begins.
    const QRect cursor = page.text1->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(page.text1->font());
    QVERIFY2(cursor.center().x() < metrics.horizontalAdvance(startingText.left(1)),
             qPrintable(u"cursor at x = %1"_s.arg(cursor.center().x())));
}

// Weekday, week and day queries pressed in turn; an empty weekday message means silence from all three.
void DateQueryPageTest::queries_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("day");
    QTest::newRow("2009-8-1") << u"2009-8-1"_s << u"这一天是星期六。"_s << 31 << 213;
    QTest::newRow("2009-08-01") << u"2009-08-01"_s << u"这一天是星期六。"_s << 31 << 213;
    QTest::newRow("2009/8/1") << u"2009/8/1"_s << u"这一天是星期六。"_s << 31 << 213;
    QTest::newRow("blanks around") << u" 2009-8-1 "_s << u"这一天是星期六。"_s << 31 << 213;
    QTest::newRow("2009-1-1") << u"2009-1-1"_s << u"这一天是星期四。"_s << 1 << 1;
    QTest::newRow("2009-1-3") << u"2009-1-3"_s << u"这一天是星期六。"_s << 1 << 3;
    QTest::newRow("2009-1-4") << u"2009-1-4"_s << u"这一天是星期天。"_s << 2 << 4;
    QTest::newRow("2009-3-1") << u"2009-3-1"_s << u"这一天是星期天。"_s << 10 << 60;
    QTest::newRow("2008-3-1") << u"2008-3-1"_s << u"这一天是星期六。"_s << 9 << 61;
    QTest::newRow("2009-12-31") << u"2009-12-31"_s << u"这一天是星期四。"_s << 53 << 365;
    QTest::newRow("2000-12-31") << u"2000-12-31"_s << u"这一天是星期天。"_s << 54 << 366;
    QTest::newRow("2006-1-1") << u"2006-1-1"_s << u"这一天是星期天。"_s << 1 << 1;
    QTest::newRow("full-width digits") << u"２００９-８-１"_s << u"这一天是星期六。"_s << 31 << 213;
    QTest::newRow("full-width digits and slashes")
        << u"２０００／１２／３１"_s << u"这一天是星期天。"_s << 54 << 366;
    QTest::newRow("starting text") << startingText << QString() << 0 << 0;
    QTest::newRow("empty") << QString() << QString() << 0 << 0;
    QTest::newRow("blanks only") << u"   "_s << QString() << 0 << 0;
    QTest::newRow("no such day") << u"2009-2-29"_s << QString() << 0 << 0;
    QTest::newRow("huge number") << u"99999999999999999999"_s << QString() << 0 << 0;
}

void DateQueryPageTest::queries() {
    QFETCH(QString, text);
    QFETCH(QString, weekday);
    QFETCH(int, week);
    QFETCH(int, day);
    DatePage page;
    page.text1->setText(text);
    page.click(WeekdayButton);
    page.click(WeekButton);
    page.click(DayButton);
    QStringList expected;
    if (!weekday.isEmpty())
        expected << info(weekday) << info(u"这一天处于这一年的第%1周。"_s.arg(week))
                 << info(u"这一天是这一年的第%1天。"_s.arg(day));
    QCOMPARE(transcript(page.p.dialogs), expected);
    QCOMPARE(page.text1->text(), text); // the queries never write Text1
}

// "同步为今日日期" on 1 August 2009, then each query answers for that day.
void DateQueryPageTest::todayThenEveryQuery() {
    DatePage page;
    page.p.clock.set(QDateTime(QDate(2009, 8, 1), QTime(21, 27, 5)));
    const int readingsBefore = page.p.clock.readings(); // the status bar reads the clock as well
    page.click(TodayButton);
    QCOMPARE(page.text1->text(), test::regional(u"2009-8-1"_s)); // 2009/8/1 on a Chinese Windows
    QCOMPARE(page.p.clock.readings() - readingsBefore, 1);
    QCOMPARE(transcript(page.p.dialogs), QStringList());

    page.p.dialogs.answer(DialogAnswer::Yes);
    page.click(WeekdayButton);
    page.click(WeekButton);
    page.click(DayButton);
    page.click(SeasonButton);
    QCOMPARE(transcript(page.p.dialogs),
             (QStringList{info(u"这一天是星期六。"_s), info(u"这一天处于这一年的第31周。"_s),
                          info(u"这一天是这一年的第213天。"_s), question(), info(u"这一天处于夏季。"_s)}));
}

void DateQueryPageTest::todayReplacesAnyText() {
    DatePage page;
    page.text1->setText(u"something else"_s);
    page.p.clock.set(QDateTime(QDate(2000, 12, 31), QTime(0, 0)));
    page.click(TodayButton);
    QCOMPARE(page.text1->text(), test::regional(u"2000-12-31"_s));
    page.click(WeekButton);
    page.click(DayButton);
    QCOMPARE(page.p.dialogs.messages(),
             (QStringList{u"这一天处于这一年的第54周。"_s, u"这一天是这一年的第366天。"_s}));
}

void DateQueryPageTest::season_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("message"); // empty: nothing after the question
    const QString winter = u"这一天处于冬季。"_s;
    const QString spring = u"这一天处于春季。"_s;
    const QString summer = u"这一天处于夏季。"_s;
    const QString autumn = u"这一天处于秋季。"_s;
    QTest::newRow("2009-1-1 Yes") << u"2009-1-1"_s << true << winter;
    QTest::newRow("2009-3-31 Yes") << u"2009-3-31"_s << true << winter;
    QTest::newRow("2009-4-1 Yes") << u"2009-4-1"_s << true << spring;
    QTest::newRow("2009-6-30 Yes") << u"2009-6-30"_s << true << spring;
    QTest::newRow("2009-7-1 Yes") << u"2009-7-1"_s << true << summer;
    QTest::newRow("2009-8-1 Yes") << u"2009-8-1"_s << true << summer;
    QTest::newRow("2009-10-1 Yes") << u"2009-10-1"_s << true << autumn;
    QTest::newRow("2009-12-31 Yes") << u"2009-12-31"_s << true << autumn;
    QTest::newRow("2009-1-15 No") << u"2009-1-15"_s << false << summer;
    QTest::newRow("2009-5-1 No") << u"2009-5-1"_s << false << autumn;
    QTest::newRow("2009-8-1 No") << u"2009-8-1"_s << false << winter;
    QTest::newRow("2009-12-25 No") << u"2009-12-25"_s << false << spring;
    QTest::newRow("starting text Yes") << startingText << true << QString();
    QTest::newRow("starting text No") << startingText << false << QString();
    QTest::newRow("empty Yes") << QString() << true << QString();
    QTest::newRow("empty No") << QString() << false << QString();
    QTest::newRow("blanks Yes") << u"  "_s << true << QString();
}

void DateQueryPageTest::season() {
    QFETCH(QString, text);
    QFETCH(bool, yes);
    QFETCH(QString, message);
    DatePage page;
    page.text1->setText(text);
    page.p.dialogs.answer(yes ? DialogAnswer::Yes : DialogAnswer::No);
    page.click(SeasonButton);
    QStringList expected{question()};
    if (!message.isEmpty())
        expected << info(message);
    QCOMPARE(transcript(page.p.dialogs), expected);
    QCOMPARE(page.text1->text(), text);
}

// A question forced shut without Yes or No ends the handler: no season either way.
void DateQueryPageTest::seasonClosedWithoutAnswer() {
    DatePage page;
    page.text1->setText(u"2009-8-1"_s);
    page.p.dialogs.answer(DialogAnswer::NoAnswer);
    page.click(SeasonButton);
    QCOMPARE(transcript(page.p.dialogs), QStringList{question()});
}

void DateQueryPageTest::seasonAsksOnEveryPress() {
    DatePage page;
    page.text1->setText(u"2009-8-1"_s);
    page.p.dialogs.answer({DialogAnswer::Yes, DialogAnswer::No, DialogAnswer::Yes});
    page.click(SeasonButton);
    page.click(SeasonButton);
    page.click(SeasonButton);
    QCOMPARE(transcript(page.p.dialogs),
             (QStringList{question(), info(u"这一天处于夏季。"_s), question(), info(u"这一天处于冬季。"_s),
                          question(), info(u"这一天处于夏季。"_s)}));
    QCOMPARE(page.p.dialogs.unansweredScript(), 0);
}

QTEST_MAIN(DateQueryPageTest)
#include "tst_datequerypage.moc"
