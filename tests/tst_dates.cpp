// SPDX-License-Identifier: GPL-3.0-or-later
// The date query's pure steps: reading a date, weekday, week and day of the year, quarter and season.

#include "common/DateTexts.h"
#include "dates/DateQuery.h"
#include "dates/SeasonQuery.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace morvela;
using namespace Qt::StringLiterals;

namespace {

// An invalid QDate in a table row stands for "not a date".
QDate asDate(const std::optional<QDate> &date) {
    return date.value_or(QDate());
}

const QString startingText = u"请输入日期（yyyy-mm-dd）"_s;

} // namespace

class DatesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parseAccepts_data();
    void parseAccepts();
    void parseRejects_data();
    void parseRejects();
    void parseReadsEveryShortDateText();
    void parseCopesWithHugeTexts_data();
    void parseCopesWithHugeTexts();
    void parseAgreesWithPatternOnMutatedTexts();

    void localeDateReadsWhatTheLocaleWrites_data();
    void localeDateReadsWhatTheLocaleWrites();
    void localeDateForms_data();
    void localeDateForms();
    void localeDateCopesWithOddTexts();

    void queryTable_data();
    void queryTable();
    void weekdayIgnoresTheLocalesFirstDay();
    void calendarCrossCheck();

    void quarterBoundaries_data();
    void quarterBoundaries();
    void seasonTable_data();
    void seasonTable();
    void seasonOutsideTheQuarters();
};

void DatesTest::parseAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("y-m-d") << u"2009-8-1"_s << QDate(2009, 8, 1);
    QTest::newRow("yyyy-mm-dd") << u"2009-08-01"_s << QDate(2009, 8, 1);
    QTest::newRow("slashes") << u"2009/8/1"_s << QDate(2009, 8, 1);
    QTest::newRow("slashes padded") << u"2009/08/01"_s << QDate(2009, 8, 1);
    QTest::newRow("mixed padding") << u"2009-08-1"_s << QDate(2009, 8, 1);
    QTest::newRow("blanks around") << u"  2009-8-1   "_s << QDate(2009, 8, 1);
    QTest::newRow("tabs around") << u"\t2009/8/1\t"_s << QDate(2009, 8, 1);
    QTest::newRow("ideographic space") << u"\u30002009-8-1\u3000"_s << QDate(2009, 8, 1);
    QTest::newRow("no-break space") << u"2009-8-1\u00A0"_s << QDate(2009, 8, 1);
    QTest::newRow("Chinese form") << u"2009年8月1日"_s << QDate(2009, 8, 1);
    QTest::newRow("Chinese form padded") << u" 2009年08月01日 "_s << QDate(2009, 8, 1);
    QTest::newRow("29 Feb leap") << u"2008-2-29"_s << QDate(2008, 2, 29);
    QTest::newRow("29 Feb 2000") << u"2000-2-29"_s << QDate(2000, 2, 29);
    QTest::newRow("31 Dec") << u"2009-12-31"_s << QDate(2009, 12, 31);
    QTest::newRow("year 1") << u"0001-1-1"_s << QDate(1, 1, 1);
    QTest::newRow("year 100") << u"0100-3-1"_s << QDate(100, 3, 1);
    QTest::newRow("year 9999") << u"9999-12-31"_s << QDate(9999, 12, 31);
    // What an input method types in full-width mode.
    QTest::newRow("full-width digits") << u"２００９-８-１"_s << QDate(2009, 8, 1);
    QTest::newRow("full-width digits and hyphens") << u"２００９－０８－０１"_s << QDate(2009, 8, 1);
    QTest::newRow("full-width slashes") << u"２００９／８／１"_s << QDate(2009, 8, 1);
    QTest::newRow("one full-width digit") << u"2009-８-1"_s << QDate(2009, 8, 1);
    QTest::newRow("full-width hyphen") << u"2009－8－1"_s << QDate(2009, 8, 1);
    QTest::newRow("full-width Chinese form") << u"２００９年８月１日"_s << QDate(2009, 8, 1);
    QTest::newRow("full-width, ideographic spaces around")
        << u"\u3000２０００－１２－３１\u3000"_s << QDate(2000, 12, 31);
}

void DatesTest::parseAccepts() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(asDate(ParseQueryDate(text)), date);
}

void DatesTest::parseRejects_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << u"    "_s;
    QTest::newRow("ideographic blanks") << u"\u3000\u3000"_s;
    QTest::newRow("starting text") << startingText;
    QTest::newRow("pattern itself") << u"yyyy-mm-dd"_s;
    QTest::newRow("29 Feb common year") << u"2009-2-29"_s;
    QTest::newRow("29 Feb 1900") << u"1900-2-29"_s;
    QTest::newRow("31 April") << u"2009-4-31"_s;
    QTest::newRow("month 13") << u"2009-13-1"_s;
    QTest::newRow("month 0") << u"2009-0-1"_s;
    QTest::newRow("day 0") << u"2009-1-0"_s;
    QTest::newRow("day 32") << u"2009-1-32"_s;
    QTest::newRow("year 0") << u"0000-1-1"_s;
    QTest::newRow("two-digit year") << u"09-8-1"_s;
    QTest::newRow("three-digit year") << u"209-8-1"_s;
    QTest::newRow("five-digit year") << u"20090-8-1"_s;
    QTest::newRow("three-digit month") << u"2009-008-01"_s;
    QTest::newRow("three-digit day") << u"2009-08-001"_s;
    QTest::newRow("huge year") << u"99999999999999999999999-1-1"_s;
    QTest::newRow("huge month") << u"2009-99999999999999999999-1"_s;
    QTest::newRow("huge day") << u"2009-1-4294967297"_s;
    QTest::newRow("mixed separators") << u"2009-8/1"_s;
    QTest::newRow("dots") << u"2009.8.1"_s;
    QTest::newRow("blanks inside") << u"2009 - 8 - 1"_s;
    QTest::newRow("trailing separator") << u"2009-8-1-"_s;
    QTest::newRow("missing day") << u"2009-8"_s;
    QTest::newRow("time after") << u"2009-8-1 12:00"_s;
    QTest::newRow("day first") << u"1-8-2009"_s;
    QTest::newRow("signed year") << u"+2009-8-1"_s;
    QTest::newRow("negative year") << u"-2009-8-1"_s;
    QTest::newRow("signed month") << u"2009-+8-1"_s;
    QTest::newRow("Chinese form without 日") << u"2009年8月1"_s;
    QTest::newRow("Chinese form mixed") << u"2009年8-1日"_s;
    QTest::newRow("Arabic-Indic digits") << u"٢٠٠٩-٨-١"_s;
    // Full-width forms read as ASCII, and then the rules above apply.
    QTest::newRow("full-width dots") << u"２００９．８．１"_s;
    QTest::newRow("full-width blanks inside") << u"２００９\u3000-８-１"_s;
    QTest::newRow("full-width two-digit year") << u"０９-８-１"_s;
    QTest::newRow("full-width 30 February") << u"２００９-２-３０"_s;
    QTest::newRow("ideographic full stops") << u"２００９。８。１"_s;
    QTest::newRow("line break after") << u"2009-8-1\n"_s;
    QTest::newRow("NUL after") << u"2009-8-1"_s + QChar(0);
    QTest::newRow("NUL inside") << u"2009"_s + QChar(0) + u"-8-1"_s;
    QTest::newRow("lone high surrogate") << u"2009-8-1"_s + QChar(0xD800);
    QTest::newRow("lone low surrogate") << QChar(0xDC00) + u"2009-8-1"_s;
}

void DatesTest::parseRejects() {
    QFETCH(QString, text);
    QCOMPARE(asDate(ParseQueryDate(text)), QDate());
}

// "同步为今日日期" writes ShortDateText of today; every query must read it back as that day.
void DatesTest::parseReadsEveryShortDateText() {
    for (QDate d(1900, 1, 1); d <= QDate(2100, 12, 31); d = d.addDays(1)) {
        const QString text = ShortDateText(d);
        if (asDate(ParseQueryDate(text)) != d)
            QFAIL(qPrintable(u"%1 does not read back as %2"_s.arg(text, d.toString(Qt::ISODate))));
    }
    for (const QDate d : {QDate(1, 1, 1), QDate(99, 12, 31), QDate(100, 1, 1), QDate(999, 6, 15),
                          QDate(1582, 10, 15), QDate(9999, 12, 31)})
        QCOMPARE(asDate(ParseQueryDate(ShortDateText(d))), d);
}

void DatesTest::parseCopesWithHugeTexts_data() {
    const qsizetype mega = 1 << 20;
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("1 MB of digits") << QString(mega, u'9') << QDate();
    QTest::newRow("1 MB of blanks") << QString(mega, u' ') << QDate();
    QTest::newRow("1 MB of NULs") << QString(mega, QChar(0)) << QDate();
    QTest::newRow("1 MB of surrogates") << QString(mega, QChar(0xD800)) << QDate();
    QTest::newRow("day of 1 MB") << u"2009-8-"_s + QString(mega, u'1') << QDate();
    QTest::newRow("dates repeated") << u"2009-8-1"_s.repeated(mega / 8) << QDate();
    QTest::newRow("date in 1 MB of blanks")
        << QString(mega / 2, u' ') + u"2009-8-1"_s + QString(mega / 2, u'\t') << QDate(2009, 8, 1);
}

void DatesTest::parseCopesWithHugeTexts() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(asDate(ParseQueryDate(text)), date);
}

// Texts near the accepted forms, mutated at random (fixed seed), against an independent reading by a
// regular expression: both must agree on every text, and an accepted text gives the date it names.
void DatesTest::parseAgreesWithPatternOnMutatedTexts() {
    static const QRegularExpression pattern(u"^[ "
                                            "\\t\\x{00A0}\\x{3000}]*([0-9]{4})(?:([-/"
                                            "])([0-9]{1,2})\\2([0-9]{1,2})|年([0-9]{1,2})月([0-9]{1,2})日)"
                                            "[ \\t\\x{00A0}\\x{3000}]*\\z"_s);
    const auto oracle = [](QString text) -> QDate {
        // The full-width characters of the alphabet below stand for their ASCII counterparts.
        text.replace(QChar(0xFF10), QLatin1Char('0'))
            .replace(QChar(0xFF11), QLatin1Char('1'))
            .replace(QChar(0xFF0D), QLatin1Char('-'))
            .replace(QChar(0xFF0F), QLatin1Char('/'));
        for (const QChar c : text)
            if (c.isSurrogate())
                return QDate(); // no accepted form holds one
        const QRegularExpressionMatch m = pattern.match(text);
        if (!m.hasMatch())
            return QDate();
        const int year = m.captured(1).toInt();
        const bool chinese = m.captured(2).isEmpty();
        const int month = m.captured(chinese ? 5 : 3).toInt();
        const int day = m.captured(chinese ? 6 : 4).toInt();
        return year >= 1 ? QDate(year, month, day) : QDate();
    };

    const QString alphabet = u"0123456789-/ \t年月日.a\u3000\u00A0０１－／"_s + QChar(0) + QChar(0xD800) +
                             QChar(0xDC00) + QChar(u'\n');
    const QStringList seeds = {u"2009-8-1"_s,    u"2009/08/01"_s, u"2009年8月1日"_s,
                               u" 2000-2-29 "_s, u"0001-1-1"_s,   u"9999-12-31"_s};
    QRandomGenerator random(20090801);
    int accepted = 0;
    for (int round = 0; round < 60000; ++round) {
        QString text = seeds.at(random.bounded(int(seeds.size())));
        const int edits = random.bounded(1, 4);
        for (int e = 0; e < edits; ++e) {
            const int at = random.bounded(int(text.size()) + 1);
            const QChar c = alphabet.at(random.bounded(int(alphabet.size())));
            switch (random.bounded(3)) {
            case 0:
                text.insert(at, c);
                break;
            case 1:
                if (at < text.size())
                    text.remove(at, 1);
                break;
            default:
                if (at < text.size())
                    text[at] = c;
                break;
            }
        }
        const QDate expected = oracle(text);
        const QDate got = asDate(ParseQueryDate(text));
        if (got != expected)
            QFAIL(qPrintable(u"\"%1\" (%2) read as %3, expected %4"_s.arg(
                text, QString::fromLatin1(text.toUtf8().toHex(' ')), got.toString(Qt::ISODate),
                expected.toString(Qt::ISODate))));
        accepted += got.isValid();
    }
    QVERIFY2(accepted > 1000, "the mutations should keep a good share of the texts readable");
}

void DatesTest::localeDateReadsWhatTheLocaleWrites_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("en_US (M/d/yy)") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE (dd.MM.yy)") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("ko_KR (yy. M. d.)") << QLocale(QLocale::Korean, QLocale::SouthKorea);
    QTest::newRow("zh_CN (yyyy/M/d)") << QLocale(QLocale::Chinese, QLocale::China);
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan);
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("hu_HU") << QLocale(QLocale::Hungarian, QLocale::Hungary);
}

// What Windows' "同步为今日日期" writes through the user's short date must read back as the same day,
// two-digit years included (within 1950..2049).
void DatesTest::localeDateReadsWhatTheLocaleWrites() {
    QFETCH(QLocale, locale);
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (QDate d(1950, 1, 1); d <= QDate(2049, 12, 31); d = d.addDays(1)) {
        const QString text = locale.toString(d, format);
        if (asDate(parseLocaleDate(text, locale, format)) != d)
            QFAIL(qPrintable(
                u"%1 in %2 does not read back as %3"_s.arg(text, format, d.toString(Qt::ISODate))));
    }
}

void DatesTest::localeDateForms_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    const QString us = u"M/d/yy"_s;
    QTest::newRow("two-digit year") << us << u"8/1/09"_s << QDate(2009, 8, 1);
    QTest::newRow("29 Feb 2000 two-digit") << us << u"2/29/00"_s << QDate(2000, 2, 29);
    QTest::newRow("window top") << us << u"12/31/49"_s << QDate(2049, 12, 31);
    QTest::newRow("window bottom") << us << u"1/1/50"_s << QDate(1950, 1, 1);
    QTest::newRow("padded though unpadded") << us << u" 08/01/09 "_s << QDate(2009, 8, 1);
    QTest::newRow("four digits for yy") << us << u"8/1/2009"_s << QDate();
    QTest::newRow("not existing") << us << u"2/29/09"_s << QDate();
    QTest::newRow("empty") << us << QString() << QDate();
    QTest::newRow("blanks") << us << u"   "_s << QDate();
    const QString de = u"dd.MM.yyyy"_s;
    QTest::newRow("dd.MM.yyyy") << de << u"01.08.2009"_s << QDate(2009, 8, 1);
    QTest::newRow("dd.MM.yyyy unpadded") << de << u"1.8.2009"_s << QDate(2009, 8, 1);
    QTest::newRow("day 32") << de << u"32.01.2009"_s << QDate();
    QTest::newRow("three-digit day") << de << u"123.8.2009"_s << QDate();
    QTest::newRow("text left over") << de << u"01.08.2009x"_s << QDate();
    QTest::newRow("other order") << u"d/M/yyyy"_s << u"2009/8/1"_s << QDate();
    QTest::newRow("day first") << u"d/M/yyyy"_s << u"1/8/2009"_s << QDate(2009, 8, 1);
    QTest::newRow("quoted literals") << u"yyyy'年'M'月'd'日'"_s << u"2009年8月1日"_s << QDate(2009, 8, 1);
    QTest::newRow("quoted letters") << u"'day' d 'month' M 'year' yyyy"_s << u"day 1 month 8 year 2009"_s
                                    << QDate(2009, 8, 1);
    QTest::newRow("doubled quotes") << u"yyyy''M''d"_s << u"2009'8'1"_s << QDate(2009, 8, 1);
    QTest::newRow("no separators") << u"yyyyMMdd"_s << u"20090801"_s << QDate(2009, 8, 1);
    QTest::newRow("year 0") << u"yyyy-M-d"_s << u"0000-1-1"_s << QDate();
    QTest::newRow("unclosed quote") << u"yyyy-M-d'x"_s << u"2009-8-1x"_s << QDate(2009, 8, 1);
    // Month names: the locale's own reader, with the same two-digit window.
    QTest::newRow("month name") << u"dd-MMM-yy"_s << u"01-Aug-09"_s << QDate(2009, 8, 1);
    QTest::newRow("month name 1960") << u"dd-MMM-yy"_s << u"01-Aug-60"_s << QDate(1960, 8, 1);
    QTest::newRow("month name four digits") << u"d MMMM yyyy"_s << u"1 August 2009"_s << QDate(2009, 8, 1);
    QTest::newRow("no such month") << u"dd-MMM-yy"_s << u"01-Foo-09"_s << QDate();
}

void DatesTest::localeDateForms() {
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(asDate(parseLocaleDate(text, QLocale(QLocale::English, QLocale::UnitedStates), format)), date);
}

void DatesTest::localeDateCopesWithOddTexts() {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QStringList formats = {u"M/d/yy"_s,  u"yyyy'年'M'月'd'日'"_s, u"dd-MMM-yy"_s, u"'"_s, QString(),
                                 u"yyyyyyyy"_s};
    const qsizetype mega = 1 << 20;
    const QStringList texts = {QString(mega, u'9'),
                               QString(mega, u' '),
                               QString(mega, QChar(0xDC00)),
                               u"8/1/"_s + QString(mega, u'0'),
                               u"8/1/09"_s + QChar(0),
                               QChar(0xD800) + u"8/1/09"_s,
                               u"８/１/０９"_s,
                               startingText};
    for (const QString &format : formats)
        for (const QString &text : texts)
            QCOMPARE(asDate(parseLocaleDate(text, locale, format)), QDate());
}

// The edge cases of the weekday, week and day queries, each read from its text.
void DatesTest::queryTable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weekdayText");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("day");
    QTest::newRow("2009-8-1") << u"2009-8-1"_s << u"这一天是星期六。"_s << 31 << 213;
    QTest::newRow("2009-08-01") << u"2009-08-01"_s << u"这一天是星期六。"_s << 31 << 213;
    QTest::newRow("2009/8/1") << u"2009/8/1"_s << u"这一天是星期六。"_s << 31 << 213;
    QTest::newRow("2009-1-1") << u"2009-1-1"_s << u"这一天是星期四。"_s << 1 << 1;
    QTest::newRow("2009-1-3") << u"2009-1-3"_s << u"这一天是星期六。"_s << 1 << 3;
    QTest::newRow("2009-1-4") << u"2009-1-4"_s << u"这一天是星期天。"_s << 2 << 4;
    QTest::newRow("2009-3-1") << u"2009-3-1"_s << u"这一天是星期天。"_s << 10 << 60;
    QTest::newRow("2008-3-1") << u"2008-3-1"_s << u"这一天是星期六。"_s << 9 << 61;
    QTest::newRow("2009-12-31") << u"2009-12-31"_s << u"这一天是星期四。"_s << 53 << 365;
    QTest::newRow("2000-12-31") << u"2000-12-31"_s << u"这一天是星期天。"_s << 54 << 366;
    QTest::newRow("2006-1-1") << u"2006-1-1"_s << u"这一天是星期天。"_s << 1 << 1;
    QTest::newRow("Monday") << u"2009-8-3"_s << u"这一天是星期一。"_s << 32 << 215;
    QTest::newRow("Tuesday") << u"2009-8-4"_s << u"这一天是星期二。"_s << 32 << 216;
    QTest::newRow("Wednesday") << u"2009-8-5"_s << u"这一天是星期三。"_s << 32 << 217;
    QTest::newRow("Friday") << u"2009-8-7"_s << u"这一天是星期五。"_s << 32 << 219;
}

void DatesTest::queryTable() {
    QFETCH(QString, text);
    QFETCH(QString, weekdayText);
    QFETCH(int, week);
    QFETCH(int, day);
    const std::optional<QDate> date = ParseQueryDate(text);
    QVERIFY(date);
    QCOMPARE(weekdayMessage(WeekdayNumber(*date)), weekdayText);
    QCOMPARE(WeekOfYear(*date), week);
    QCOMPARE(DayOfYear(*date), day);
    QCOMPARE(weekOfYearMessage(week), u"这一天处于这一年的第"_s + QString::number(week) + u"周。");
    QCOMPARE(dayOfYearMessage(day), u"这一天是这一年的第"_s + QString::number(day) + u"天。");
}

void DatesTest::weekdayIgnoresTheLocalesFirstDay() {
    const QLocale previous;
    for (const QLocale &locale :
         {QLocale(QLocale::French, QLocale::France), QLocale(QLocale::Arabic, QLocale::Egypt),
          QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        QCOMPARE(WeekdayNumber(QDate(2009, 8, 2)), 1); // a Sunday
        QCOMPARE(WeekdayNumber(QDate(2009, 8, 3)), 2);
        QCOMPARE(WeekdayNumber(QDate(2009, 8, 1)), 7);
        QCOMPARE(WeekOfYear(QDate(2009, 8, 2)), 32);
    }
    QLocale::setDefault(previous);
}

// Every day from 1900 to 2100 against counters stepped day by day from a known Sunday.
void DatesTest::calendarCrossCheck() {
    int weekday = 1;     // 31 December 1899 was a Sunday
    int dayOfYear = 365; // ... and the last day of a common year
    int week = 53;
    QList<QDate> week54;
    for (QDate d(1900, 1, 1); d <= QDate(2100, 12, 31); d = d.addDays(1)) {
        weekday = weekday % 7 + 1;
        if (d.month() == 1 && d.day() == 1) {
            dayOfYear = 1;
            week = 1;
        } else {
            ++dayOfYear;
            if (weekday == 1)
                ++week;
        }
        if (WeekdayNumber(d) != weekday || DayOfYear(d) != dayOfYear || WeekOfYear(d) != week)
            QFAIL(qPrintable(u"%1: weekday %2/%3, day %4/%5, week %6/%7"_s.arg(d.toString(Qt::ISODate))
                                 .arg(WeekdayNumber(d))
                                 .arg(weekday)
                                 .arg(DayOfYear(d))
                                 .arg(dayOfYear)
                                 .arg(WeekOfYear(d))
                                 .arg(week)));
        QCOMPARE(dayOfYear, d.dayOfYear());
        if (week == 54)
            week54.append(d);
    }
    // Week 54 is only ever 31 December of a leap year that began on a Saturday.
    QCOMPARE(week54,
             (QList<QDate>{QDate(1916, 12, 31), QDate(1944, 12, 31), QDate(1972, 12, 31), QDate(2000, 12, 31),
                           QDate(2028, 12, 31), QDate(2056, 12, 31), QDate(2084, 12, 31)}));
    // The first and last years that the query reads.
    QCOMPARE(DayOfYear(QDate(4, 12, 31)), 366);
    QCOMPARE(DayOfYear(QDate(100, 12, 31)), 365);
    QCOMPARE(WeekdayNumber(QDate(1, 1, 1)), 2); // a Monday in the proleptic Gregorian calendar
    QCOMPARE(DayOfYear(QDate(9999, 12, 31)), 365);
    QCOMPARE(WeekOfYear(QDate(9999, 12, 31)), 53);
    QCOMPARE(WeekdayNumber(QDate()), 0);
    QCOMPARE(DayOfYear(QDate()), 0);
    QCOMPARE(WeekOfYear(QDate()), 0);
}

void DatesTest::quarterBoundaries_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("quarter");
    QTest::newRow("1 Jan") << QDate(2009, 1, 1) << 1;
    QTest::newRow("29 Feb") << QDate(2008, 2, 29) << 1;
    QTest::newRow("31 Mar") << QDate(2009, 3, 31) << 1;
    QTest::newRow("1 Apr") << QDate(2009, 4, 1) << 2;
    QTest::newRow("30 Jun") << QDate(2009, 6, 30) << 2;
    QTest::newRow("1 Jul") << QDate(2009, 7, 1) << 3;
    QTest::newRow("30 Sep") << QDate(2009, 9, 30) << 3;
    QTest::newRow("1 Oct") << QDate(2009, 10, 1) << 4;
    QTest::newRow("31 Dec") << QDate(2009, 12, 31) << 4;
    QTest::newRow("invalid") << QDate() << 0;
}

void DatesTest::quarterBoundaries() {
    QFETCH(QDate, date);
    QFETCH(int, quarter);
    QCOMPARE(QuarterOfYear(date), quarter);
}

void DatesTest::seasonTable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("northern");
    QTest::addColumn<QString>("message");
    const QString winter = u"这一天处于冬季。"_s;
    const QString spring = u"这一天处于春季。"_s;
    const QString summer = u"这一天处于夏季。"_s;
    const QString autumn = u"这一天处于秋季。"_s;
    QTest::newRow("2009-1-1 N") << u"2009-1-1"_s << true << winter;
    QTest::newRow("2009-3-31 N") << u"2009-3-31"_s << true << winter;
    QTest::newRow("2009-4-1 N") << u"2009-4-1"_s << true << spring;
    QTest::newRow("2009-6-30 N") << u"2009-6-30"_s << true << spring;
    QTest::newRow("2009-7-1 N") << u"2009-7-1"_s << true << summer;
    QTest::newRow("2009-8-1 N") << u"2009-8-1"_s << true << summer;
    QTest::newRow("2009-10-1 N") << u"2009-10-1"_s << true << autumn;
    QTest::newRow("2009-12-31 N") << u"2009-12-31"_s << true << autumn;
    QTest::newRow("2009-1-15 S") << u"2009-1-15"_s << false << summer;
    QTest::newRow("2009-5-1 S") << u"2009-5-1"_s << false << autumn;
    QTest::newRow("2009-8-1 S") << u"2009-8-1"_s << false << winter;
    QTest::newRow("2009-12-25 S") << u"2009-12-25"_s << false << spring;
}

void DatesTest::seasonTable() {
    QFETCH(QString, text);
    QFETCH(bool, northern);
    QFETCH(QString, message);
    const std::optional<QDate> date = ParseQueryDate(text);
    QVERIFY(date);
    QCOMPARE(SeasonMessage(QuarterOfYear(*date), northern), message);
}

void DatesTest::seasonOutsideTheQuarters() {
    for (const int quarter : {0, 5, -1})
        for (const bool northern : {true, false})
            QVERIFY(SeasonMessage(quarter, northern).isEmpty());
}

QTEST_MAIN(DatesTest)
#include "tst_dates.moc"
