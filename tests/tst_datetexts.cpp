// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DateTexts.h"
#include "support/TestHelpers.h"

#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;

// The texts are stated in the reference forms; on Windows they are checked in the user's regional forms.

class DateTextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shortDate_data();
    void shortDate();
    void dateTime_data();
    void dateTime();
    void timeTexts_data();
    void timeTexts();
};

void DateTextsTest::shortDate_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("23 July 2009") << QDate(2009, 7, 23) << test::regional(u"2009-7-23"_s);
    QTest::newRow("1 August 2009") << QDate(2009, 8, 1) << test::regional(u"2009-8-1"_s);
    QTest::newRow("31 December") << QDate(2000, 12, 31) << test::regional(u"2000-12-31"_s);
    QTest::newRow("year below 1000 keeps four digits") << QDate(100, 1, 2) << test::regional(u"0100-1-2"_s);
    QTest::newRow("year 9999") << QDate(9999, 12, 31) << test::regional(u"9999-12-31"_s);
}

void DateTextsTest::shortDate() {
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(ShortDateText(date), text);
}

void DateTextsTest::dateTime_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("text");
    QTest::newRow("evening") << QDateTime(QDate(2009, 7, 23), QTime(21, 27, 5))
                             << test::regional(u"2009-7-23 21:27:05"_s);
    QTest::newRow("morning") << QDateTime(QDate(2009, 7, 23), QTime(9, 5, 3))
                             << test::regional(u"2009-7-23 9:05:03"_s);
    QTest::newRow("midnight is the date alone")
        << QDateTime(QDate(2009, 7, 24), QTime(0, 0, 0)) << test::regional(u"2009-7-24"_s);
    QTest::newRow("one second past midnight")
        << QDateTime(QDate(2009, 7, 24), QTime(0, 0, 1)) << test::regional(u"2009-7-24 0:00:01"_s);
    QTest::newRow("milliseconds are not shown")
        << QDateTime(QDate(2009, 8, 1), QTime(14, 5, 9, 999)) << test::regional(u"2009-8-1 14:05:09"_s);
}

void DateTextsTest::dateTime() {
    QFETCH(QDateTime, moment);
    QFETCH(QString, text);
    QCOMPARE(DateTimeText(moment), text);
}

void DateTextsTest::timeTexts_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("shortText");
    QTest::newRow("21:27:05") << QTime(21, 27, 5) << u"212705"_s << test::regional(u"21:27"_s);
    QTest::newRow("9:05:03") << QTime(9, 5, 3) << u"090503"_s << test::regional(u"9:05"_s);
    QTest::newRow("00:00:05") << QTime(0, 0, 5) << u"000005"_s << test::regional(u"0:00"_s);
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << u"235959"_s << test::regional(u"23:59"_s);
}

void DateTextsTest::timeTexts() {
    QFETCH(QTime, time);
    QFETCH(QString, digits);
    QFETCH(QString, shortText);
    QCOMPARE(timeDigits(time), digits);
    QCOMPARE(shortTimeText(time), shortText);
}

QTEST_GUILESS_MAIN(DateTextsTest)
#include "tst_datetexts.moc"
