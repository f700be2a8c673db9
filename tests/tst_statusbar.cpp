// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar: its five panels at start, and the date and time panels following the clock.

#include "app/StatusBar.h"
#include "support/TestHelpers.h"
#include "support/WindowFixture.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace morvela;
using namespace morvela::test;
using namespace Qt::StringLiterals;

namespace {

QDateTime at(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) {
    return {QDate(y, mo, d), QTime(h, mi, s, ms)};
}

StatusBar *barOf(const WindowFixture &f) {
    return f.find<StatusBar>(u"StatusBar1"_s);
}

} // namespace

class StatusBarTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void panelsAtStart_data();
    void panelsAtStart();
    void panelsShowTheClockAtStart();
    void refreshFollowsTheClock_data();
    void refreshFollowsTheClock();
    void panelsUpdateThemselvesAtTheTurnOfTheMinute_data();
    void panelsUpdateThemselvesAtTheTurnOfTheMinute();
    void nextReadingIsAtTheStartOfTheNextMinute_data();
    void nextReadingIsAtTheStartOfTheNextMinute();
};

void StatusBarTest::panelsAtStart_data() {
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text"); // empty for the date and time panels, checked below
    // Widths 2400, 3200, 1800, 1440 twips, and the rest of the 993-pixel bar.
    QTest::newRow("1 developer") << 1 << 0 << 160 << u"   软件开发：  莫薇拉"_s;
    QTest::newRow("2 e-mail") << 2 << 160 << 213 << u"  作者邮箱：morvela@example.com"_s;
    QTest::newRow("3 date") << 3 << 373 << 120 << QString();
    QTest::newRow("4 time") << 4 << 493 << 96 << QString();
    QTest::newRow("5 empty") << 5 << 589 << 404 << QString();
}

void StatusBarTest::panelsAtStart() {
    QFETCH(int, panel);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(QString, text);
    WindowFixture f;
    StatusBar *bar = barOf(f);
    QVERIFY(bar);
    QCOMPARE(bar->panelCount(), 5);
    QLabel *label = bar->panel(panel);
    QVERIFY(label);
    QCOMPARE(label->x(), left);
    QCOMPARE(label->width(), width);
    QCOMPARE(label->height(), 26);
    QCOMPARE(label->frameShape(), QFrame::Panel);
    QCOMPARE(label->frameShadow(), QFrame::Sunken);
    QVERIFY(label->alignment() & Qt::AlignLeft);
    QVERIFY(label->isEnabled());
    QVERIFY(!label->isHidden());
    if (panel != 3 && panel != 4)
        QCOMPARE(label->text(), text);
}

void StatusBarTest::panelsShowTheClockAtStart() {
    WindowFixture f; // the fake clock stands at 2009-07-23 21:27:05
    QCOMPARE(barOf(f)->panel(3)->text(), test::regional(u"2009-7-23"_s));
    QCOMPARE(barOf(f)->panel(4)->text(), u"21:27"_s);
}

void StatusBarTest::refreshFollowsTheClock_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("a minute on") << at(2009, 7, 23, 21, 28) << test::regional(u"2009-7-23"_s)
                                 << test::regional(u"21:28"_s);
    QTest::newRow("next day, midnight")
        << at(2009, 7, 24, 0, 0) << test::regional(u"2009-7-24"_s) << test::regional(u"0:00"_s);
    QTest::newRow("one-digit hour") << at(2009, 7, 24, 9, 5, 59) << test::regional(u"2009-7-24"_s)
                                    << test::regional(u"9:05"_s);
    QTest::newRow("new year") << at(2010, 1, 1, 0, 1) << test::regional(u"2010-1-1"_s)
                              << test::regional(u"0:01"_s);
}

void StatusBarTest::refreshFollowsTheClock() {
    QFETCH(QDateTime, moment);
    QFETCH(QString, date);
    QFETCH(QString, time);
    WindowFixture f;
    f.platform.clock.set(moment);
    barOf(f)->refresh();
    QCOMPARE(barOf(f)->panel(3)->text(), date);
    QCOMPARE(barOf(f)->panel(4)->text(), time);
    // The fixed panels stay as they were.
    QCOMPARE(barOf(f)->panel(1)->text(), u"   软件开发：  莫薇拉"_s);
    QCOMPARE(barOf(f)->panel(5)->text(), QString());
}

// The clock is set just before a change of minute (or of day): the bar reads it again by itself.
void StatusBarTest::panelsUpdateThemselvesAtTheTurnOfTheMinute_data() {
    QTest::addColumn<QDateTime>("before");
    QTest::addColumn<QDateTime>("after");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("minute") << at(2009, 7, 23, 21, 27, 59, 950) << at(2009, 7, 23, 21, 28)
                            << test::regional(u"2009-7-23"_s) << test::regional(u"21:28"_s);
    QTest::newRow("day") << at(2009, 7, 23, 23, 59, 59, 950) << at(2009, 7, 24, 0, 0)
                         << test::regional(u"2009-7-24"_s) << test::regional(u"0:00"_s);
}

void StatusBarTest::panelsUpdateThemselvesAtTheTurnOfTheMinute() {
    QFETCH(QDateTime, before);
    QFETCH(QDateTime, after);
    QFETCH(QString, date);
    QFETCH(QString, time);
    WindowFixture f;
    f.platform.clock.set(before);
    barOf(f)->refresh();
    QVERIFY(barOf(f)->panel(4)->text() != time);
    f.platform.clock.set(after);
    QTRY_COMPARE(barOf(f)->panel(4)->text(), time);
    QCOMPARE(barOf(f)->panel(3)->text(), date);
}

void StatusBarTest::nextReadingIsAtTheStartOfTheNextMinute_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<int>("toNextMinute"); // milliseconds
    QTest::newRow("21:27:05") << at(2009, 7, 23, 21, 27, 5) << 55000;
    QTest::newRow("on the minute") << at(2009, 7, 23, 21, 27, 0) << 60000;
    QTest::newRow("21:27:59.500") << at(2009, 7, 23, 21, 27, 59, 500) << 500;
}

void StatusBarTest::nextReadingIsAtTheStartOfTheNextMinute() {
    QFETCH(QDateTime, moment);
    QFETCH(int, toNextMinute);
    WindowFixture f;
    f.platform.clock.set(moment);
    barOf(f)->refresh();
    const QList<QTimer *> timers = barOf(f)->findChildren<QTimer *>();
    QCOMPARE(timers.size(), 1);
    QTimer *timer = timers.first();
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    // Set for just after the minute changes, never before it.
    QVERIFY2(timer->interval() >= toNextMinute && timer->interval() <= toNextMinute + 100,
             qPrintable(QString::number(timer->interval())));
}

QTEST_MAIN(StatusBarTest)
#include "tst_statusbar.moc"
