// The date query's pure steps: reading a date, weekday, week and day of the year, quarter and season.

#include "common/DateTexts.h"
#include "dates/DateQuery.h"
#include "dates/SeasonQuery.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace morvela;

namespace {

// An invalid QDate in a table row stands for "not a date".
QDate asDate(const std::optional<QDate> &date) {
    return date.value_or(QDate());
}

const QString startingText = QStringLiteral("请输入日期（yyyy-mm-dd）");

} // namespace

class TestDates : public QObject {
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

void TestDates::parseAccepts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("y-m-d") << QStringLiteral("2009-8-1") << QDate(2009, 8, 1);
    QTest::newRow("yyyy-mm-dd") << QStringLiteral("2009-08-01") << QDate(2009, 8, 1);
    QTest::newRow("slashes") << QStringLiteral("2009/8/1") << QDate(2009, 8, 1);
    QTest::newRow("slashes padded") << QStringLiteral("2009/08/01") << QDate(2009, 8, 1);
    QTest::newRow("mixed padding") << QStringLiteral("2009-08-1") << QDate(2009, 8, 1);
    QTest::newRow("blanks around") << QStringLiteral("  2009-8-1   ") << QDate(2009, 8, 1);
    QTest::newRow("tabs around") << QStringLiteral("\t2009/8/1\t") << QDate(2009, 8, 1);
    QTest::newRow("ideographic space") << QStringLiteral("\u30002009-8-1\u3000") << QDate(2009, 8, 1);
    QTest::newRow("no-break space") << QStringLiteral("2009-8-1\u00A0") << QDate(2009, 8, 1);
    QTest::newRow("Chinese form") << QStringLiteral("2009年8月1日") << QDate(2009, 8, 1);
    QTest::newRow("Chinese form padded") << QStringLiteral(" 2009年08月01日 ") << QDate(2009, 8, 1);
    QTest::newRow("29 Feb leap") << QStringLiteral("2008-2-29") << QDate(2008, 2, 29);
    QTest::newRow("29 Feb 2000") << QStringLiteral("2000-2-29") << QDate(2000, 2, 29);
    QTest::newRow("31 Dec") << QStringLiteral("2009-12-31") << QDate(2009, 12, 31);
    QTest::newRow("year 1") << QStringLiteral("0001-1-1") << QDate(1, 1, 1);
    QTest::newRow("year 100") << QStringLiteral("0100-3-1") << QDate(100, 3, 1);
    QTest::newRow("year 9999") << QStringLiteral("9999-12-31") << QDate(9999, 12, 31);
    // What an input method types in full-width mode.
    QTest::newRow("full-width digits") << QStringLiteral("２００９-８-１") << QDate(2009, 8, 1);
    QTest::newRow("full-width digits and hyphens")
        << QStringLiteral("２００９－０８－０１") << QDate(2009, 8, 1);
    QTest::newRow("full-width slashes") << QStringLiteral("２００９／８／１") << QDate(2009, 8, 1);
    QTest::newRow("one full-width digit") << QStringLiteral("2009-８-1") << QDate(2009, 8, 1);
    QTest::newRow("full-width hyphen") << QStringLiteral("2009－8－1") << QDate(2009, 8, 1);
    QTest::newRow("full-width Chinese form") << QStringLiteral("２００９年８月１日") << QDate(2009, 8, 1);
    QTest::newRow("full-width, ideographic spaces around")
        << QStringLiteral("\u3000２０００－１２－３１\u3000") << QDate(2000, 12, 31);
}

void TestDates::parseAccepts() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(asDate(ParseQueryDate(text)), date);
}

void TestDates::parseRejects_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("    ");
    QTest::newRow("ideographic blanks") << QStringLiteral("\u3000\u3000");
    QTest::newRow("starting text") << startingText;
    QTest::newRow("pattern itself") << QStringLiteral("yyyy-mm-dd");
    QTest::newRow("29 Feb common year") << QStringLiteral("2009-2-29");
    QTest::newRow("29 Feb 1900") << QStringLiteral("1900-2-29");
    QTest::newRow("31 April") << QStringLiteral("2009-4-31");
    QTest::newRow("month 13") << QStringLiteral("2009-13-1");
    QTest::newRow("month 0") << QStringLiteral("2009-0-1");
    QTest::newRow("day 0") << QStringLiteral("2009-1-0");
    QTest::newRow("day 32") << QStringLiteral("2009-1-32");
    QTest::newRow("year 0") << QStringLiteral("0000-1-1");
    QTest::newRow("two-digit year") << QStringLiteral("09-8-1");
    QTest::newRow("three-digit year") << QStringLiteral("209-8-1");
    QTest::newRow("five-digit year") << QStringLiteral("20090-8-1");
    QTest::newRow("three-digit month") << QStringLiteral("2009-008-01");
    QTest::newRow("three-digit day") << QStringLiteral("2009-08-001");
    QTest::newRow("huge year") << QStringLiteral("99999999999999999999999-1-1");
    QTest::newRow("huge month") << QStringLiteral("2009-99999999999999999999-1");
    QTest::newRow("huge day") << QStringLiteral("2009-1-4294967297");
    QTest::newRow("mixed separators") << QStringLiteral("2009-8/1");
    QTest::newRow("dots") << QStringLiteral("2009.8.1");
    QTest::newRow("blanks inside") << QStringLiteral("2009 - 8 - 1");
    QTest::newRow("trailing separator") << QStringLiteral("2009-8-1-");
    QTest::newRow("missing day") << QStringLiteral("2009-8");
    QTest::newRow("time after") << QStringLiteral("2009-8-1 12:00");
    QTest::newRow("day first") << QStringLiteral("1-8-2009");
    QTest::newRow("signed year") << QStringLiteral("+2009-8-1");
    QTest::newRow("negative year") << QStringLiteral("-2009-8-1");
    QTest::newRow("signed month") << QStringLiteral("2009-+8-1");
    QTest::newRow("Chinese form without 日") << QStringLiteral("2009年8月1");
    QTest::newRow("Chinese form mixed") << QStringLiteral("2009年8-1日");
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("٢٠٠٩-٨-١");
    // Full-width forms read as ASCII, and then the rules above apply.
    QTest::newRow("full-width dots") << QStringLiteral("２００９．８．１");
    QTest::newRow("full-width blanks inside") << QStringLiteral("２００９\u3000-８-１");
    QTest::newRow("full-width two-digit year") << QStringLiteral("０９-８-１");
    QTest::newRow("full-width 30 February") << QStringLiteral("２００９-２-３０");
    QTest::newRow("ideographic full stops") << QStringLiteral("２００９。８。１");
    QTest::newRow("line break after") << QStringLiteral("2009-8-1\n");
    QTest::newRow("NUL after") << QStringLiteral("2009-8-1") + QChar(0);
    QTest::newRow("NUL inside") << QStringLiteral("2009") + QChar(0) + QStringLiteral("-8-1");
    QTest::newRow("lone high surrogate") << QStringLiteral("2009-8-1") + QChar(0xD800);
    QTest::newRow("lone low surrogate") << QChar(0xDC00) + QStringLiteral("2009-8-1");
}

void TestDates::parseRejects() {
    QFETCH(QString, text);
    QCOMPARE(asDate(ParseQueryDate(text)), QDate());
}

// "同步为今日日期" writes ShortDateText of today; every query must read it back as that day.
void TestDates::parseReadsEveryShortDateText() {
    for (QDate d(1900, 1, 1); d <= QDate(2100, 12, 31); d = d.addDays(1)) {
        const QString text = ShortDateText(d);
        if (asDate(ParseQueryDate(text)) != d)
            QFAIL(
                qPrintable(QStringLiteral("%1 does not read back as %2").arg(text, d.toString(Qt::ISODate))));
    }
    for (const QDate d : {QDate(1, 1, 1), QDate(99, 12, 31), QDate(100, 1, 1), QDate(999, 6, 15),
                          QDate(1582, 10, 15), QDate(9999, 12, 31)})
        QCOMPARE(asDate(ParseQueryDate(ShortDateText(d))), d);
}

void TestDates::parseCopesWithHugeTexts_data() {
    const qsizetype mega = 1 << 20;
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("1 MB of digits") << QString(mega, u'9') << QDate();
    QTest::newRow("1 MB of blanks") << QString(mega, u' ') << QDate();
    QTest::newRow("1 MB of NULs") << QString(mega, QChar(0)) << QDate();
    QTest::newRow("1 MB of surrogates") << QString(mega, QChar(0xD800)) << QDate();
    QTest::newRow("day of 1 MB") << QStringLiteral("2009-8-") + QString(mega, u'1') << QDate();
    QTest::newRow("dates repeated") << QStringLiteral("2009-8-1").repeated(mega / 8) << QDate();
    QTest::newRow("date in 1 MB of blanks")
        << QString(mega / 2, u' ') + QStringLiteral("2009-8-1") + QString(mega / 2, u'\t')
        << QDate(2009, 8, 1);
}

void TestDates::parseCopesWithHugeTexts() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(asDate(ParseQueryDate(text)), date);
}

// Texts near the accepted forms, mutated at random (fixed seed), against an independent reading by a
// regular expression: both must agree on every text, and an accepted text gives the date it names.
void TestDates::parseAgreesWithPatternOnMutatedTexts() {
    static const QRegularExpression pattern(
        QStringLiteral("^[ "
                       "\\t\\x{00A0}\\x{3000}]*([0-9]{4})(?:([-/"
                       "])([0-9]{1,2})\\2([0-9]{1,2})|年([0-9]{1,2})月([0-9]{1,2})日)"
                       "[ \\t\\x{00A0}\\x{3000}]*\\z"));
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

    const QString alphabet = QStringLiteral("0123456789-/ \t年月日.a\u3000\u00A0０１－／") + QChar(0) +
                             QChar(0xD800) + QChar(0xDC00) + QChar(u'\n');
    const QStringList seeds = {QStringLiteral("2009-8-1"),     QStringLiteral("2009/08/01"),
                               QStringLiteral("2009年8月1日"), QStringLiteral(" 2000-2-29 "),
                               QStringLiteral("0001-1-1"),     QStringLiteral("9999-12-31")};
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
            QFAIL(qPrintable(QStringLiteral("\"%1\" (%2) read as %3, expected %4")
                                 .arg(text, QString::fromLatin1(text.toUtf8().toHex(' ')),
                                      got.toString(Qt::ISODate), expected.toString(Qt::ISODate))));
        accepted += got.isValid();
    }
    QVERIFY2(accepted > 1000, "the mutations should keep a good share of the texts readable");
}

void TestDates::localeDateReadsWhatTheLocaleWrites_data() {
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
void TestDates::localeDateReadsWhatTheLocaleWrites() {
    QFETCH(QLocale, locale);
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    for (QDate d(1950, 1, 1); d <= QDate(2049, 12, 31); d = d.addDays(1)) {
        const QString text = locale.toString(d, format);
        if (asDate(ParseLocaleDate(text, locale, format)) != d)
            QFAIL(qPrintable(QStringLiteral("%1 in %2 does not read back as %3")
                                 .arg(text, format, d.toString(Qt::ISODate))));
    }
}

void TestDates::localeDateForms_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    const QString us = QStringLiteral("M/d/yy");
    QTest::newRow("two-digit year") << us << QStringLiteral("8/1/09") << QDate(2009, 8, 1);
    QTest::newRow("29 Feb 2000 two-digit") << us << QStringLiteral("2/29/00") << QDate(2000, 2, 29);
    QTest::newRow("window top") << us << QStringLiteral("12/31/49") << QDate(2049, 12, 31);
    QTest::newRow("window bottom") << us << QStringLiteral("1/1/50") << QDate(1950, 1, 1);
    QTest::newRow("padded though unpadded") << us << QStringLiteral(" 08/01/09 ") << QDate(2009, 8, 1);
    QTest::newRow("four digits for yy") << us << QStringLiteral("8/1/2009") << QDate();
    QTest::newRow("not existing") << us << QStringLiteral("2/29/09") << QDate();
    QTest::newRow("empty") << us << QString() << QDate();
    QTest::newRow("blanks") << us << QStringLiteral("   ") << QDate();
    const QString de = QStringLiteral("dd.MM.yyyy");
    QTest::newRow("dd.MM.yyyy") << de << QStringLiteral("01.08.2009") << QDate(2009, 8, 1);
    QTest::newRow("dd.MM.yyyy unpadded") << de << QStringLiteral("1.8.2009") << QDate(2009, 8, 1);
    QTest::newRow("day 32") << de << QStringLiteral("32.01.2009") << QDate();
    QTest::newRow("three-digit day") << de << QStringLiteral("123.8.2009") << QDate();
    QTest::newRow("text left over") << de << QStringLiteral("01.08.2009x") << QDate();
    QTest::newRow("other order") << QStringLiteral("d/M/yyyy") << QStringLiteral("2009/8/1") << QDate();
    QTest::newRow("day first") << QStringLiteral("d/M/yyyy") << QStringLiteral("1/8/2009")
                               << QDate(2009, 8, 1);
    QTest::newRow("quoted literals") << QStringLiteral("yyyy'年'M'月'd'日'") << QStringLiteral("2009年8月1日")
                                     << QDate(2009, 8, 1);
    QTest::newRow("quoted letters") << QStringLiteral("'day' d 'month' M 'year' yyyy")
                                    << QStringLiteral("day 1 month 8 year 2009") << QDate(2009, 8, 1);
    QTest::newRow("doubled quotes") << QStringLiteral("yyyy''M''d") << QStringLiteral("2009'8'1")
                                    << QDate(2009, 8, 1);
    QTest::newRow("no separators") << QStringLiteral("yyyyMMdd") << QStringLiteral("20090801")
                                   << QDate(2009, 8, 1);
    QTest::newRow("year 0") << QStringLiteral("yyyy-M-d") << QStringLiteral("0000-1-1") << QDate();
    QTest::newRow("unclosed quote") << QStringLiteral("yyyy-M-d'x") << QStringLiteral("2009-8-1x")
                                    << QDate(2009, 8, 1);
    // Month names: the locale's own reader, with the same two-digit window.
    QTest::newRow("month name") << QStringLiteral("dd-MMM-yy") << QStringLiteral("01-Aug-09")
                                << QDate(2009, 8, 1);
    QTest::newRow("month name 1960") << QStringLiteral("dd-MMM-yy") << QStringLiteral("01-Aug-60")
                                     << QDate(1960, 8, 1);
    QTest::newRow("month name four digits")
        << QStringLiteral("d MMMM yyyy") << QStringLiteral("1 August 2009") << QDate(2009, 8, 1);
    QTest::newRow("no such month") << QStringLiteral("dd-MMM-yy") << QStringLiteral("01-Foo-09") << QDate();
}

void TestDates::localeDateForms() {
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(asDate(ParseLocaleDate(text, QLocale(QLocale::English, QLocale::UnitedStates), format)), date);
}

void TestDates::localeDateCopesWithOddTexts() {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QStringList formats = {QStringLiteral("M/d/yy"),
                                 QStringLiteral("yyyy'年'M'月'd'日'"),
                                 QStringLiteral("dd-MMM-yy"),
                                 QStringLiteral("'"),
                                 QString(),
                                 QStringLiteral("yyyyyyyy")};
    const qsizetype mega = 1 << 20;
    const QStringList texts = {QString(mega, u'9'),
                               QString(mega, u' '),
                               QString(mega, QChar(0xDC00)),
                               QStringLiteral("8/1/") + QString(mega, u'0'),
                               QStringLiteral("8/1/09") + QChar(0),
                               QChar(0xD800) + QStringLiteral("8/1/09"),
                               QStringLiteral("８/１/０９"),
                               startingText};
    for (const QString &format : formats)
        for (const QString &text : texts)
            QCOMPARE(asDate(ParseLocaleDate(text, locale, format)), QDate());
}

// The edge cases of the weekday, week and day queries, each read from its text.
void TestDates::queryTable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weekdayMessage");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("day");
    QTest::newRow("2009-8-1") << QStringLiteral("2009-8-1") << QStringLiteral("这一天是星期六。") << 31
                              << 213;
    QTest::newRow("2009-08-01") << QStringLiteral("2009-08-01") << QStringLiteral("这一天是星期六。") << 31
                                << 213;
    QTest::newRow("2009/8/1") << QStringLiteral("2009/8/1") << QStringLiteral("这一天是星期六。") << 31
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
    QTest::newRow("Monday") << QStringLiteral("2009-8-3") << QStringLiteral("这一天是星期一。") << 32 << 215;
    QTest::newRow("Tuesday") << QStringLiteral("2009-8-4") << QStringLiteral("这一天是星期二。") << 32 << 216;
    QTest::newRow("Wednesday") << QStringLiteral("2009-8-5") << QStringLiteral("这一天是星期三。") << 32
                               << 217;
    QTest::newRow("Friday") << QStringLiteral("2009-8-7") << QStringLiteral("这一天是星期五。") << 32 << 219;
}

void TestDates::queryTable() {
    QFETCH(QString, text);
    QFETCH(QString, weekdayMessage);
    QFETCH(int, week);
    QFETCH(int, day);
    const std::optional<QDate> date = ParseQueryDate(text);
    QVERIFY(date);
    QCOMPARE(WeekdayMessage(WeekdayNumber(*date)), weekdayMessage);
    QCOMPARE(WeekOfYear(*date), week);
    QCOMPARE(DayOfYear(*date), day);
    QCOMPARE(WeekOfYearMessage(week),
             QStringLiteral("这一天处于这一年的第") + QString::number(week) + u"周。");
    QCOMPARE(DayOfYearMessage(day), QStringLiteral("这一天是这一年的第") + QString::number(day) + u"天。");
}

void TestDates::weekdayIgnoresTheLocalesFirstDay() {
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
void TestDates::calendarCrossCheck() {
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
            QFAIL(qPrintable(QStringLiteral("%1: weekday %2/%3, day %4/%5, week %6/%7")
                                 .arg(d.toString(Qt::ISODate))
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

void TestDates::quarterBoundaries_data() {
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

void TestDates::quarterBoundaries() {
    QFETCH(QDate, date);
    QFETCH(int, quarter);
    QCOMPARE(QuarterOfYear(date), quarter);
}

void TestDates::seasonTable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("northern");
    QTest::addColumn<QString>("message");
    const QString winter = QStringLiteral("这一天处于冬季。");
    const QString spring = QStringLiteral("这一天处于春季。");
    const QString summer = QStringLiteral("这一天处于夏季。");
    const QString autumn = QStringLiteral("这一天处于秋季。");
    QTest::newRow("2009-1-1 N") << QStringLiteral("2009-1-1") << true << winter;
    QTest::newRow("2009-3-31 N") << QStringLiteral("2009-3-31") << true << winter;
    QTest::newRow("2009-4-1 N") << QStringLiteral("2009-4-1") << true << spring;
    QTest::newRow("2009-6-30 N") << QStringLiteral("2009-6-30") << true << spring;
    QTest::newRow("2009-7-1 N") << QStringLiteral("2009-7-1") << true << summer;
    QTest::newRow("2009-8-1 N") << QStringLiteral("2009-8-1") << true << summer;
    QTest::newRow("2009-10-1 N") << QStringLiteral("2009-10-1") << true << autumn;
    QTest::newRow("2009-12-31 N") << QStringLiteral("2009-12-31") << true << autumn;
    QTest::newRow("2009-1-15 S") << QStringLiteral("2009-1-15") << false << summer;
    QTest::newRow("2009-5-1 S") << QStringLiteral("2009-5-1") << false << autumn;
    QTest::newRow("2009-8-1 S") << QStringLiteral("2009-8-1") << false << winter;
    QTest::newRow("2009-12-25 S") << QStringLiteral("2009-12-25") << false << spring;
}

void TestDates::seasonTable() {
    QFETCH(QString, text);
    QFETCH(bool, northern);
    QFETCH(QString, message);
    const std::optional<QDate> date = ParseQueryDate(text);
    QVERIFY(date);
    QCOMPARE(SeasonMessage(QuarterOfYear(*date), northern), message);
}

void TestDates::seasonOutsideTheQuarters() {
    for (const int quarter : {0, 5, -1})
        for (const bool northern : {true, false})
            QVERIFY(SeasonMessage(quarter, northern).isEmpty());
}

QTEST_MAIN(TestDates)
#include "tst_dates.moc"
