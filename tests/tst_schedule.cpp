// SPDX-License-Identifier: GPL-3.0-or-later
// The slot table, the schedule file's name and its lines, checked without a window.

#include "common/AppTexts.h"
#include "common/TextFileWriter.h"
#include "platform/FileSystem.h"
#include "platform/fakes/MemoryFileSystem.h"
#include "schedule/ScheduleExport.h"
#include "schedule/ScheduleSlot.h"
#include "support/TestHelpers.h"

#include <QSet>
#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::gbkLines;
using morvela::test::hexBytes;
using morvela::test::writtenBytes;

namespace {

// The 34 time texts in time order, written out by hand.
const QStringList TimeTexts = {
    u"06：00"_s, u"06：30"_s, u"07：00"_s, u"07：30"_s, u"08：00"_s, u"08：30"_s, u"09：00"_s,
    u"09：30"_s, u"10：00"_s, u"10：30"_s, u"11：00"_s, u"11：30"_s, u"12：00"_s, u"12：30"_s,
    u"13：00"_s, u"13：30"_s, u"14：00"_s, u"14：30"_s, u"15：00"_s, u"15：30"_s, u"16：00"_s,
    u"16：30"_s, u"17：00"_s, u"17：30"_s, u"18：00"_s, u"18：30"_s, u"19：00"_s, u"19：30"_s,
    u"20：00"_s, u"20：30"_s, u"21：00"_s, u"21：30"_s, u"22：00"_s, u"22：30"_s,
};

const QDate July23(2009, 7, 23);
const QDateTime Evening(July23, QTime(21, 27, 5));

// The 38 expected lines: title, empty, one line per slot with the given entries, empty, time of writing.
QStringList expectedLines(const QString &title, const QMap<int, QString> &entries, const QString &last) {
    QStringList lines{test::regional(title), QString()};
    for (int s = 0; s < TimeTexts.size(); ++s)
        lines << TimeTexts[s] + u"    "_s + entries.value(s);
    lines << QString() << test::regional(last);
    return lines;
}

QStringList emptySlots() {
    return QStringList(ScheduleSlotCount, QString());
}

} // namespace

class ScheduleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void slotTableFollowsTheHourRule_data();
    void slotTableFollowsTheHourRule();
    void slotTableUsesEveryBoxOnce();

    void fileNameUnderTheReferenceDateForm_data();
    void fileNameUnderTheReferenceDateForm();
    void fileNameSafeTextReplacesForbiddenCharacters_data();
    void fileNameSafeTextReplacesForbiddenCharacters();
    void slashDateGivesANameTheDiskAccepts();

    void exampleFileIsExact();
    void emptyScheduleWritesAll38Lines();
    void emptySlotLineBytes();
    void midnightGivesTheDateAlone();
    void slotTextIsWrittenAsTyped();
    void shortSlotListCountsAsEmpty();
};

void ScheduleTest::slotTableFollowsTheHourRule_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("timeText");
    QTest::addColumn<QString>("box");
    // For hour h, h:00 is Text(h - 4) and h:30 is Text(h + 13).
    for (int h = 6; h <= 22; ++h) {
        const QString hh = u"%1"_s.arg(h, 2, 10, QLatin1Char('0'));
        const int s = (h - 6) * 2;
        QTest::addRow("slot %d", s) << s << hh + QChar(0xFF1A) + u"00"_s << u"Text%1"_s.arg(h - 4);
        QTest::addRow("slot %d", s + 1) << s + 1 << hh + QChar(0xFF1A) + u"30"_s << u"Text%1"_s.arg(h + 13);
    }
}

void ScheduleTest::slotTableFollowsTheHourRule() {
    QFETCH(int, slot);
    QFETCH(QString, timeText);
    QFETCH(QString, box);
    const ScheduleSlot &entry = scheduleSlots().at(slot);
    QCOMPARE(entry.timeText, timeText);
    QCOMPARE(entry.timeText, TimeTexts[slot]);
    QCOMPARE(QString::fromLatin1(entry.box), box);
}

void ScheduleTest::slotTableUsesEveryBoxOnce() {
    QSet<QString> boxes;
    for (const ScheduleSlot &entry : scheduleSlots())
        boxes.insert(QString::fromLatin1(entry.box));
    QSet<QString> expected;
    for (int n = 2; n <= 35; ++n)
        expected.insert(u"Text%1"_s.arg(n));
    QCOMPARE(boxes, expected);
    QCOMPARE(QString::fromLatin1(scheduleSlots().front().box), u"Text2"_s);
    QCOMPARE(QString::fromLatin1(scheduleSlots().back().box), u"Text35"_s);
}

void ScheduleTest::fileNameUnderTheReferenceDateForm_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("path");
    QTest::newRow("23 July 2009") << July23 << u"D:\\2009-7-23 的日程表.txt"_s;
    QTest::newRow("1 August 2009") << QDate(2009, 8, 1) << u"D:\\2009-8-1 的日程表.txt"_s;
    QTest::newRow("31 December 2010") << QDate(2010, 12, 31) << u"D:\\2010-12-31 的日程表.txt"_s;
}

void ScheduleTest::fileNameUnderTheReferenceDateForm() {
    QFETCH(QDate, today);
    QFETCH(QString, path);
    QCOMPARE(ScheduleFileName(today), path);
}

void ScheduleTest::fileNameSafeTextReplacesForbiddenCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("safe");
    QTest::newRow("reference form") << u"2009-7-23"_s << u"2009-7-23"_s;
    QTest::newRow("M/d/yyyy") << u"7/23/2009"_s << u"7-23-2009"_s;
    QTest::newRow("yyyy/MM/dd") << u"2009/07/23"_s << u"2009-07-23"_s;
    QTest::newRow("dots") << u"23.07.2009"_s << u"23.07.2009"_s;
    QTest::newRow("chinese") << u"2009年7月23日"_s << u"2009年7月23日"_s;
    QTest::newRow("every forbidden one") << u"a\\b/c:d*e?f\"g<h>i|j"_s << u"a-b-c-d-e-f-g-h-i-j"_s;
    QTest::newRow("control character") << u"7\t23"_s << u"7-23"_s;
    QTest::newRow("empty") << QString() << QString();
}

void ScheduleTest::fileNameSafeTextReplacesForbiddenCharacters() {
    QFETCH(QString, text);
    QFETCH(QString, safe);
    QCOMPARE(fileNameSafeText(text), safe);
}

// A slash date would make a name the disk refuses; the schedule's name takes the safe form.
void ScheduleTest::slashDateGivesANameTheDiskAccepts() {
    QVERIFY(DiskFileSystem::nativePath(OutputRoot + u"7/23/2009 的日程表.txt"_s).isEmpty());
    const QString path = scheduleFileNameForDateText(u"7/23/2009"_s);
    QCOMPARE(path, u"D:\\7-23-2009 的日程表.txt"_s);
    QVERIFY(!DiskFileSystem::nativePath(path).isEmpty());
    QCOMPARE(scheduleFileNameForDateText(u"2009-7-23"_s), u"D:\\2009-7-23 的日程表.txt"_s);
}

void ScheduleTest::exampleFileIsExact() {
    QStringList texts = emptySlots();
    texts[0] = u"起床"_s;
    texts[7] = u"开会"_s;
    const QStringList lines = ScheduleFileLines(July23, Evening, texts);
    QCOMPARE(lines.size(), 38);

    const QString blank4 = u"    "_s;
    QStringList expected{test::regional(u"2009-7-23 的日程表"_s), QString(),
                         u"06：00"_s + blank4 + u"起床"_s};
    for (int s = 1; s < 34; ++s)
        expected << TimeTexts[s] + blank4 + (s == 7 ? u"开会"_s : QString());
    expected << QString() << test::regional(u"制表时间： 2009-7-23 21:27:05"_s);
    QCOMPARE(lines, expected);

    const QByteArray bytes = writtenBytes(lines);
    QCOMPARE(bytes, gbkLines(expected));
    // The start of the file, byte by byte: title, empty line, 06:00 with 起床, 06:30 empty.
    // "2009-7-23" in ASCII (in the regional form on Windows), then the rest in GBK.
    QVERIFY(bytes.startsWith(QByteArray(test::regional(u"2009-7-23"_s).toLatin1() +
                                        hexBytes("20 B5 C4 C8 D5 B3 CC B1 ED 0D 0A"
                                                 " 0D 0A"
                                                 " 30 36 A3 BA 30 30 20 20 20 20 C6 F0 B4 B2 0D 0A"
                                                 " 30 36 A3 BA 33 30 20 20 20 20 0D 0A"))));
    QVERIFY(bytes.contains(hexBytes("0D 0A 30 39 A3 BA 33 30 20 20 20 20 BF AA BB E1 0D 0A")));
    // The end: 22:30 empty, the empty line 37, and line 38.
    QVERIFY(bytes.endsWith(QByteArray(hexBytes("32 32 A3 BA 33 30 20 20 20 20 0D 0A 0D 0A"
                                               " D6 C6 B1 ED CA B1 BC E4 A3 BA 20") +
                                      test::regional(u"2009-7-23 21:27:05"_s).toLatin1() + "\r\n")));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(bytes.count("\r\n"), 38);
}

void ScheduleTest::emptyScheduleWritesAll38Lines() {
    const QStringList lines = ScheduleFileLines(July23, Evening, emptySlots());
    const QStringList expected =
        expectedLines(u"2009-7-23 的日程表"_s, {}, u"制表时间： 2009-7-23 21:27:05"_s);
    QCOMPARE(lines, expected);
    QCOMPARE(writtenBytes(lines), gbkLines(expected));
}

void ScheduleTest::emptySlotLineBytes() {
    const QStringList lines = ScheduleFileLines(July23, Evening, emptySlots());
    QCOMPARE(encodeAnsiLine(lines.at(2)), hexBytes("30 36 A3 BA 30 30 20 20 20 20 0D 0A"));
}

// The day changes between the two readings of the clock: the title keeps the day the export began,
// the last line is the date alone because the moment is exactly midnight.
void ScheduleTest::midnightGivesTheDateAlone() {
    const QStringList lines =
        ScheduleFileLines(July23, QDateTime(QDate(2009, 7, 24), QTime(0, 0, 0)), emptySlots());
    const QStringList expected = expectedLines(u"2009-7-23 的日程表"_s, {}, u"制表时间： 2009-7-24"_s);
    QCOMPARE(writtenBytes(lines), gbkLines(expected));
    QVERIFY(writtenBytes(lines).endsWith(
        QByteArray(hexBytes("A3 BA 20") + test::regional(u"2009-7-24"_s).toLatin1() + "\r\n")));
}

void ScheduleTest::slotTextIsWrittenAsTyped() {
    QStringList texts = emptySlots();
    texts[4] = u"  喝水\U0001F600 "_s;
    texts[33] = u"\"引号\"、逗号,和\t制表符"_s;
    const QStringList lines = ScheduleFileLines(July23, Evening, texts);
    QCOMPARE(lines.at(6), u"08：00      喝水\U0001F600 "_s);

    const QStringList expected =
        expectedLines(u"2009-7-23 的日程表"_s, {{4, u"  喝水? "_s}, {33, u"\"引号\"、逗号,和\t制表符"_s}},
                      u"制表时间： 2009-7-23 21:27:05"_s);
    QCOMPARE(writtenBytes(lines), gbkLines(expected));
    // Six blanks before the entry (four of the line, two of the text), the emoji as one "?", one blank after.
    QCOMPARE(encodeAnsiLine(lines.at(6)),
             hexBytes("30 38 A3 BA 30 30 20 20 20 20 20 20 BA C8 CB AE 3F 20 0D 0A"));
}

void ScheduleTest::shortSlotListCountsAsEmpty() {
    const QStringList lines = ScheduleFileLines(July23, Evening, {u"起床"_s});
    const QStringList expected =
        expectedLines(u"2009-7-23 的日程表"_s, {{0, u"起床"_s}}, u"制表时间： 2009-7-23 21:27:05"_s);
    QCOMPARE(lines, expected);
}

QTEST_MAIN(ScheduleTest)
#include "tst_schedule.moc"
