// SPDX-License-Identifier: GPL-3.0-or-later
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
const QString TimeLine = test::regional(u"2009-8-1 14:05:09 时创建的便纸条"_s);

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
    QTest::newRow("14:05:09") << QTime(14, 5, 9) << u"D:\\便纸条\u2014140509.txt"_s;
    QTest::newRow("09:03:07") << QTime(9, 3, 7) << u"D:\\便纸条\u2014090307.txt"_s;
    QTest::newRow("00:00:05") << QTime(0, 0, 5) << u"D:\\便纸条\u2014000005.txt"_s;
    QTest::newRow("00:00:00") << QTime(0, 0, 0) << u"D:\\便纸条\u2014000000.txt"_s;
    QTest::newRow("23:59:59") << QTime(23, 59, 59) << u"D:\\便纸条\u2014235959.txt"_s;
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
    QCOMPARE(bytes, QByteArray(test::regional(u"2009-8-1 14:05:09"_s).toLatin1() +
                               hexBytes("20 CA B1 B4 B4 BD A8 B5 C4 B1 E3 D6 BD CC F5 0D 0A 0D 0A 0D 0A")));
}

void NoteTest::noteFileBytes_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("fileLines");
    QTest::newRow("one line") << u"买牛奶"_s << QStringList{TimeLine, QString(), u"买牛奶"_s};
    QTest::newRow("two lines, CR LF") << u"a\r\nb"_s << QStringList{TimeLine, QString(), u"a"_s, u"b"_s};
    QTest::newRow("two lines, LF from the text box")
        << u"a\nb"_s << QStringList{TimeLine, QString(), u"a"_s, u"b"_s};
    QTest::newRow("lone CR") << u"a\rb"_s << QStringList{TimeLine, QString(), u"a"_s, u"b"_s};
    QTest::newRow("ends with a line break") << u"a\n"_s << QStringList{TimeLine, QString(), u"a"_s, u""_s};
    QTest::newRow("empty lines inside")
        << u"a\n\n\nb"_s << QStringList{TimeLine, QString(), u"a"_s, u""_s, u""_s, u"b"_s};
    QTest::newRow("blanks kept") << u"  a  \n\tb "_s
                                 << QStringList{TimeLine, QString(), u"  a  "_s, u"\tb "_s};
    QTest::newRow("emoji") << u"见\U0001F600面"_s << QStringList{TimeLine, QString(), u"见?面"_s};
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
    QTest::newRow("no break") << u"abc"_s << u"abc"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("CR LF stays") << u"a\r\nb"_s << u"a\r\nb"_s;
    QTest::newRow("LF") << u"a\nb"_s << u"a\r\nb"_s;
    QTest::newRow("CR") << u"a\rb"_s << u"a\r\nb"_s;
    QTest::newRow("LF CR is two breaks") << u"a\n\rb"_s << u"a\r\n\r\nb"_s;
    QTest::newRow("CR CR LF is two breaks") << u"a\r\r\nb"_s << u"a\r\n\r\nb"_s;
    QTest::newRow("breaks at both ends") << u"\na\r"_s << u"\r\na\r\n"_s;
    QTest::newRow("only breaks") << u"\n\n"_s << u"\r\n\r\n"_s;
}

void NoteTest::lineBreaksBecomeCrLf() {
    QFETCH(QString, text);
    QFETCH(QString, crlf);
    QCOMPARE(noteTextWithCrLf(text), crlf);
    QCOMPARE(NoteFileLines(SavedAt, text).at(2), crlf);
}

void NoteTest::midnightTimeLine() {
    const QStringList lines = NoteFileLines(QDateTime(QDate(2009, 8, 2), QTime(0, 0, 0)), u"x"_s);
    QCOMPARE(lines.at(0), test::regional(u"2009-8-2 时创建的便纸条"_s));
    QCOMPARE(NoteFileLines(QDateTime(QDate(2009, 7, 23), QTime(9, 5, 3)), QString()).at(0),
             test::regional(u"2009-7-23 9:05:03 时创建的便纸条"_s));
}

QTEST_MAIN(NoteTest)
#include "tst_note.moc"
