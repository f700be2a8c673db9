#include "common/DateTexts.h"
#include "support/TestHelpers.h"

#include <QtTest>

using namespace morvela;

// The texts are stated in the reference forms; on Windows they are checked in the user's regional forms.

class TestDateTexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shortDate_data();
    void shortDate();
    void dateTime_data();
    void dateTime();
    void timeTexts_data();
    void timeTexts();
};

void TestDateTexts::shortDate_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("23 July 2009") << QDate(2009, 7, 23) << test::regional(QStringLiteral("2009-7-23"));
    QTest::newRow("1 August 2009") << QDate(2009, 8, 1) << test::regional(QStringLiteral("2009-8-1"));
    QTest::newRow("31 December") << QDate(2000, 12, 31) << test::regional(QStringLiteral("2000-12-31"));
    QTest::newRow("year below 1000 keeps four digits")
        << QDate(100, 1, 2) << test::regional(QStringLiteral("0100-1-2"));
    QTest::newRow("year 9999") << QDate(9999, 12, 31) << test::regional(QStringLiteral("9999-12-31"));
}

void TestDateTexts::shortDate() {
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(ShortDateText(date), text);
}

void TestDateTexts::dateTime_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("text");
    QTest::newRow("evening") << QDateTime(QDate(2009, 7, 23), QTime(21, 27, 5))
                             << test::regional(QStringLiteral("2009-7-23 21:27:05"));
    QTest::newRow("morning") << QDateTime(QDate(2009, 7, 23), QTime(9, 5, 3))
                             << test::regional(QStringLiteral("2009-7-23 9:05:03"));
    QTest::newRow("midnight is the date alone")
        << QDateTime(QDate(2009, 7, 24), QTime(0, 0, 0)) << test::regional(QStringLiteral("2009-7-24"));
    QTest::newRow("one second past midnight") << QDateTime(QDate(2009, 7, 24), QTime(0, 0, 1))
                                              << test::regional(QStringLiteral("2009-7-24 0:00:01"));
    QTest::newRow("milliseconds are not shown") << QDateTime(QDate(2009, 8, 1), QTime(14, 5, 9, 999))
                                                << test::regional(QStringLiteral("2009-8-1 14:05:09"));
}

void TestDateTexts::dateTime() {
    QFETCH(QDateTime, moment);
    QFETCH(QString, text);
    QCOMPARE(DateTimeText(moment), text);
}

void TestDateTexts::timeTexts_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("shortText");
    QTest::newRow("21:27:05") << QTime(21, 27, 5) << QStringLiteral("212705")
                              << test::regional(QStringLiteral("21:27"));
    QTest::newRow("9:05:03") << QTime(9, 5, 3) << QStringLiteral("090503")
                             << test::regional(QStringLiteral("9:05"));
    QTest::newRow("00:00:05") << QTime(0, 0, 5) << QStringLiteral("000005")
                              << test::regional(QStringLiteral("0:00"));
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << QStringLiteral("235959")
                              << test::regional(QStringLiteral("23:59"));
}

void TestDateTexts::timeTexts() {
    QFETCH(QTime, time);
    QFETCH(QString, digits);
    QFETCH(QString, shortText);
    QCOMPARE(TimeDigits(time), digits);
    QCOMPARE(ShortTimeText(time), shortText);
}

QTEST_GUILESS_MAIN(TestDateTexts)
#include "tst_datetexts.moc"
