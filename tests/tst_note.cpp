// The sticky note's file name and lines, checked without a window.

#include "common/TextFileWriter.h"
#include "note/NoteFile.h"
#include "platform/fakes/MemoryFileSystem.h"
#include "support/TestHelpers.h"

#include <QtTest>

using namespace morvela;
using morvela::test::writtenBytes;
using namespace Qt::StringLiterals;
using morvela::test::gbkLines;
using morvela::test::hexBytes;

namespace {

const QDateTime SavedAt(QDate(2009, 8, 1), QTime(14, 5, 9));
const QString TimeLine = test::regional(QStringLiteral("2009-8-1 14:05:09 时创建的便纸条"));

} // namespace

class NoteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fileNameFromTheTimeOfDay_data();
    void fileNameFromTheTimeOfDay();
    void emptyNoteFile();
    void noteFileBytes_data();
    void noteFileBytes();
    void lineBreaksBecomeCrLf_data();
    void lineBreaksBecomeCrLf();
    void midnightTimeLine();
};

void NoteTest::fileNameFromTheTimeOfDay_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("path");
    QTest::newRow("14:05:09") << QTime(14, 5, 9) << QStringLiteral("D:\\便纸条\u2014140509.txt");
    QTest::newRow("09:03:07") << QTime(9, 3, 7) << QStringLiteral("D:\\便纸条\u2014090307.txt");
    QTest::newRow("00:00:05") << QTime(0, 0, 5) << QStringLiteral("D:\\便纸条\u2014000005.txt");
    QTest::newRow("00:00:00") << QTime(0, 0, 0) << QStringLiteral("D:\\便纸条\u2014000000.txt");
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << QStringLiteral("D:\\便纸条\u2014235959.txt");
}

void NoteTest::fileNameFromTheTimeOfDay() {
    QFETCH(QTime, time);
    QFETCH(QString, path);
    const QString name = NoteFileName(time);
    QCOMPARE(name, path);
    // The dash is one EM DASH, nothing else.
    QCOMPARE(name.at(6), QChar(0x2014));
    QCOMPARE(name.count(QChar(0x2014)), 1);
}

// An empty note: the time line followed by three line ends in a row.
void NoteTest::emptyNoteFile() {
    const QStringList lines = NoteFileLines(SavedAt, QString());
    QCOMPARE(lines, QStringList({TimeLine, QString(), QString()}));
    const QByteArray bytes = writtenBytes(lines);
    // "2009-8-1 14:05:09" in ASCII (in the regional forms on Windows), then the rest in GBK.
    QCOMPARE(bytes, QByteArray(test::regional(QStringLiteral("2009-8-1 14:05:09")).toLatin1() +
                               hexBytes("20 CA B1 B4 B4 BD A8 B5 C4 B1 E3 D6 BD CC F5 0D 0A 0D 0A 0D 0A")));
}

void NoteTest::noteFileBytes_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("fileLines");
    QTest::newRow("one line") << QStringLiteral("买牛奶") << QStringList{TimeLine, QString(), u"买牛奶"_s};
    QTest::newRow("two lines, CR LF")
        << QStringLiteral("a\r\nb") << QStringList{TimeLine, QString(), u"a"_s, u"b"_s};
    QTest::newRow("two lines, LF from the text box")
        << QStringLiteral("a\nb") << QStringList{TimeLine, QString(), u"a"_s, u"b"_s};
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringList{TimeLine, QString(), u"a"_s, u"b"_s};
    QTest::newRow("ends with a line break")
        << QStringLiteral("a\n") << QStringList{TimeLine, QString(), u"a"_s, u""_s};
    QTest::newRow("empty lines inside")
        << QStringLiteral("a\n\n\nb") << QStringList{TimeLine, QString(), u"a"_s, u""_s, u""_s, u"b"_s};
    QTest::newRow("blanks kept") << QStringLiteral("  a  \n\tb ")
                                 << QStringList{TimeLine, QString(), u"  a  "_s, u"\tb "_s};
    QTest::newRow("emoji") << QStringLiteral("见\U0001F600面")
                           << QStringList{TimeLine, QString(), u"见?面"_s};
}

void NoteTest::noteFileBytes() {
    QFETCH(QString, note);
    QFETCH(QStringList, fileLines);
    const QByteArray bytes = writtenBytes(NoteFileLines(SavedAt, note));
    QCOMPARE(bytes, gbkLines(fileLines));
    // Every line of the file ends with CR LF: no CR or LF stands alone.
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
}

void NoteTest::lineBreaksBecomeCrLf_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("crlf");
    QTest::newRow("no break") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("CR LF stays") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb");
    QTest::newRow("LF") << QStringLiteral("a\nb") << QStringLiteral("a\r\nb");
    QTest::newRow("CR") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb");
    QTest::newRow("LF CR is two breaks") << QStringLiteral("a\n\rb") << QStringLiteral("a\r\n\r\nb");
    QTest::newRow("CR CR LF is two breaks") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\r\n\r\nb");
    QTest::newRow("breaks at both ends") << QStringLiteral("\na\r") << QStringLiteral("\r\na\r\n");
    QTest::newRow("only breaks") << QStringLiteral("\n\n") << QStringLiteral("\r\n\r\n");
}

void NoteTest::lineBreaksBecomeCrLf() {
    QFETCH(QString, text);
    QFETCH(QString, crlf);
    QCOMPARE(NoteTextWithCrLf(text), crlf);
    QCOMPARE(NoteFileLines(SavedAt, text).at(2), crlf);
}

void NoteTest::midnightTimeLine() {
    const QStringList lines =
        NoteFileLines(QDateTime(QDate(2009, 8, 2), QTime(0, 0, 0)), QStringLiteral("x"));
    QCOMPARE(lines.at(0), test::regional(QStringLiteral("2009-8-2 时创建的便纸条")));
    QCOMPARE(NoteFileLines(QDateTime(QDate(2009, 7, 23), QTime(9, 5, 3)), QString()).at(0),
             test::regional(QStringLiteral("2009-7-23 9:05:03 时创建的便纸条")));
}

QTEST_MAIN(NoteTest)
#include "tst_note.moc"
