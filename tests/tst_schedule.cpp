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
using morvela::test::gbkLines;
using morvela::test::hexBytes;
using morvela::test::writtenBytes;

namespace {

// The 34 time texts in time order, written out by hand.
const QStringList TimeTexts = {
    QStringLiteral("06：00"), QStringLiteral("06：30"), QStringLiteral("07：00"), QStringLiteral("07：30"),
    QStringLiteral("08：00"), QStringLiteral("08：30"), QStringLiteral("09：00"), QStringLiteral("09：30"),
    QStringLiteral("10：00"), QStringLiteral("10：30"), QStringLiteral("11：00"), QStringLiteral("11：30"),
    QStringLiteral("12：00"), QStringLiteral("12：30"), QStringLiteral("13：00"), QStringLiteral("13：30"),
    QStringLiteral("14：00"), QStringLiteral("14：30"), QStringLiteral("15：00"), QStringLiteral("15：30"),
    QStringLiteral("16：00"), QStringLiteral("16：30"), QStringLiteral("17：00"), QStringLiteral("17：30"),
    QStringLiteral("18：00"), QStringLiteral("18：30"), QStringLiteral("19：00"), QStringLiteral("19：30"),
    QStringLiteral("20：00"), QStringLiteral("20：30"), QStringLiteral("21：00"), QStringLiteral("21：30"),
    QStringLiteral("22：00"), QStringLiteral("22：30"),
};

const QDate July23(2009, 7, 23);
const QDateTime Evening(July23, QTime(21, 27, 5));

// The 38 expected lines: title, empty, one line per slot with the given entries, empty, time of writing.
QStringList expectedLines(const QString &title, const QMap<int, QString> &entries, const QString &last) {
    QStringList lines{test::regional(title), QString()};
    for (int s = 0; s < TimeTexts.size(); ++s)
        lines << TimeTexts[s] + QStringLiteral("    ") + entries.value(s);
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
        const QString hh = QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0'));
        const int s = (h - 6) * 2;
        QTest::addRow("slot %d", s) << s << hh + QChar(0xFF1A) + QStringLiteral("00")
                                    << QStringLiteral("Text%1").arg(h - 4);
        QTest::addRow("slot %d", s + 1)
            << s + 1 << hh + QChar(0xFF1A) + QStringLiteral("30") << QStringLiteral("Text%1").arg(h + 13);
    }
}

void ScheduleTest::slotTableFollowsTheHourRule() {
    QFETCH(int, slot);
    QFETCH(QString, timeText);
    QFETCH(QString, box);
    const ScheduleSlot &entry = ScheduleSlots().at(slot);
    QCOMPARE(entry.timeText, timeText);
    QCOMPARE(entry.timeText, TimeTexts[slot]);
    QCOMPARE(QString::fromLatin1(entry.box), box);
}

void ScheduleTest::slotTableUsesEveryBoxOnce() {
    QSet<QString> boxes;
    for (const ScheduleSlot &entry : ScheduleSlots())
        boxes.insert(QString::fromLatin1(entry.box));
    QSet<QString> expected;
    for (int n = 2; n <= 35; ++n)
        expected.insert(QStringLiteral("Text%1").arg(n));
    QCOMPARE(boxes, expected);
    QCOMPARE(QString::fromLatin1(ScheduleSlots().front().box), QStringLiteral("Text2"));
    QCOMPARE(QString::fromLatin1(ScheduleSlots().back().box), QStringLiteral("Text35"));
}

void ScheduleTest::fileNameUnderTheReferenceDateForm_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("path");
    QTest::newRow("23 July 2009") << July23 << QStringLiteral("D:\\2009-7-23 的日程表.txt");
    QTest::newRow("1 August 2009") << QDate(2009, 8, 1) << QStringLiteral("D:\\2009-8-1 的日程表.txt");
    QTest::newRow("31 December 2010") << QDate(2010, 12, 31) << QStringLiteral("D:\\2010-12-31 的日程表.txt");
}

void ScheduleTest::fileNameUnderTheReferenceDateForm() {
    QFETCH(QDate, today);
    QFETCH(QString, path);
    QCOMPARE(ScheduleFileName(today), path);
}

void ScheduleTest::fileNameSafeTextReplacesForbiddenCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("safe");
    QTest::newRow("reference form") << QStringLiteral("2009-7-23") << QStringLiteral("2009-7-23");
    QTest::newRow("M/d/yyyy") << QStringLiteral("7/23/2009") << QStringLiteral("7-23-2009");
    QTest::newRow("yyyy/MM/dd") << QStringLiteral("2009/07/23") << QStringLiteral("2009-07-23");
    QTest::newRow("dots") << QStringLiteral("23.07.2009") << QStringLiteral("23.07.2009");
    QTest::newRow("chinese") << QStringLiteral("2009年7月23日") << QStringLiteral("2009年7月23日");
    QTest::newRow("every forbidden one")
        << QStringLiteral("a\\b/c:d*e?f\"g<h>i|j") << QStringLiteral("a-b-c-d-e-f-g-h-i-j");
    QTest::newRow("control character") << QStringLiteral("7\t23") << QStringLiteral("7-23");
    QTest::newRow("empty") << QString() << QString();
}

void ScheduleTest::fileNameSafeTextReplacesForbiddenCharacters() {
    QFETCH(QString, text);
    QFETCH(QString, safe);
    QCOMPARE(FileNameSafeText(text), safe);
}

// A slash date would make a name the disk refuses; the schedule's name takes the safe form.
void ScheduleTest::slashDateGivesANameTheDiskAccepts() {
    QVERIFY(DiskFileSystem::nativePath(OutputRoot + QStringLiteral("7/23/2009 的日程表.txt")).isEmpty());
    const QString path = ScheduleFileNameForDateText(QStringLiteral("7/23/2009"));
    QCOMPARE(path, QStringLiteral("D:\\7-23-2009 的日程表.txt"));
    QVERIFY(!DiskFileSystem::nativePath(path).isEmpty());
    QCOMPARE(ScheduleFileNameForDateText(QStringLiteral("2009-7-23")),
             QStringLiteral("D:\\2009-7-23 的日程表.txt"));
}

void ScheduleTest::exampleFileIsExact() {
    QStringList texts = emptySlots();
    texts[0] = QStringLiteral("起床");
    texts[7] = QStringLiteral("开会");
    const QStringList lines = ScheduleFileLines(July23, Evening, texts);
    QCOMPARE(lines.size(), 38);

    const QString blank4 = QStringLiteral("    ");
    QStringList expected{test::regional(QStringLiteral("2009-7-23 的日程表")), QString(),
                         QStringLiteral("06：00") + blank4 + QStringLiteral("起床")};
    for (int s = 1; s < 34; ++s)
        expected << TimeTexts[s] + blank4 + (s == 7 ? QStringLiteral("开会") : QString());
    expected << QString() << test::regional(QStringLiteral("制表时间： 2009-7-23 21:27:05"));
    QCOMPARE(lines, expected);

    const QByteArray bytes = writtenBytes(lines);
    QCOMPARE(bytes, gbkLines(expected));
    // The start of the file, byte by byte: title, empty line, 06:00 with 起床, 06:30 empty.
    // "2009-7-23" in ASCII (in the regional form on Windows), then the rest in GBK.
    QVERIFY(bytes.startsWith(QByteArray(test::regional(QStringLiteral("2009-7-23")).toLatin1() +
                                        hexBytes("20 B5 C4 C8 D5 B3 CC B1 ED 0D 0A"
                                                 " 0D 0A"
                                                 " 30 36 A3 BA 30 30 20 20 20 20 C6 F0 B4 B2 0D 0A"
                                                 " 30 36 A3 BA 33 30 20 20 20 20 0D 0A"))));
    QVERIFY(bytes.contains(hexBytes("0D 0A 30 39 A3 BA 33 30 20 20 20 20 BF AA BB E1 0D 0A")));
    // The end: 22:30 empty, the empty line 37, and line 38.
    QVERIFY(
        bytes.endsWith(QByteArray(hexBytes("32 32 A3 BA 33 30 20 20 20 20 0D 0A 0D 0A"
                                           " D6 C6 B1 ED CA B1 BC E4 A3 BA 20") +
                                  test::regional(QStringLiteral("2009-7-23 21:27:05")).toLatin1() + "\r\n")));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(bytes.count("\r\n"), 38);
}

void ScheduleTest::emptyScheduleWritesAll38Lines() {
    const QStringList lines = ScheduleFileLines(July23, Evening, emptySlots());
    const QStringList expected = expectedLines(QStringLiteral("2009-7-23 的日程表"), {},
                                               QStringLiteral("制表时间： 2009-7-23 21:27:05"));
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
    const QStringList expected =
        expectedLines(QStringLiteral("2009-7-23 的日程表"), {}, QStringLiteral("制表时间： 2009-7-24"));
    QCOMPARE(writtenBytes(lines), gbkLines(expected));
    QVERIFY(writtenBytes(lines).endsWith(
        QByteArray(hexBytes("A3 BA 20") + test::regional(QStringLiteral("2009-7-24")).toLatin1() + "\r\n")));
}

void ScheduleTest::slotTextIsWrittenAsTyped() {
    QStringList texts = emptySlots();
    texts[4] = QStringLiteral("  喝水\U0001F600 ");
    texts[33] = QStringLiteral("\"引号\"、逗号,和\t制表符");
    const QStringList lines = ScheduleFileLines(July23, Evening, texts);
    QCOMPARE(lines.at(6), QStringLiteral("08：00      喝水\U0001F600 "));

    const QStringList expected =
        expectedLines(QStringLiteral("2009-7-23 的日程表"),
                      {{4, QStringLiteral("  喝水? ")}, {33, QStringLiteral("\"引号\"、逗号,和\t制表符")}},
                      QStringLiteral("制表时间： 2009-7-23 21:27:05"));
    QCOMPARE(writtenBytes(lines), gbkLines(expected));
    // Six blanks before the entry (four of the line, two of the text), the emoji as one "?", one blank after.
    QCOMPARE(encodeAnsiLine(lines.at(6)),
             hexBytes("30 38 A3 BA 30 30 20 20 20 20 20 20 BA C8 CB AE 3F 20 0D 0A"));
}

void ScheduleTest::shortSlotListCountsAsEmpty() {
    const QStringList lines = ScheduleFileLines(July23, Evening, {QStringLiteral("起床")});
    const QStringList expected =
        expectedLines(QStringLiteral("2009-7-23 的日程表"), {{0, QStringLiteral("起床")}},
                      QStringLiteral("制表时间： 2009-7-23 21:27:05"));
    QCOMPARE(lines, expected);
}

QTEST_MAIN(ScheduleTest)
#include "tst_schedule.moc"
