// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFileWriter.h"
#include "platform/fakes/MemoryFileSystem.h"
#include "support/TestHelpers.h"

#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::hexBytes;

class TextFileWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encodesLines_data();
    void encodesLines();
    void unrepresentableTextTwice();
    void writerKeepsLinesInOrder();
    void writerNeedsOpen();
};

void TextFileWriterTest::encodesLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty line") << QString() << hexBytes("0D 0A");
    QTest::newRow("slot line, empty box")
        << u"06：00    "_s << hexBytes("30 36 A3 BA 30 30 20 20 20 20 0D 0A");
    QTest::newRow("ascii") << u"abc 123"_s << QByteArray("abc 123\r\n");
    QTest::newRow("chinese") << u"起床"_s << hexBytes("C6 F0 B4 B2 0D 0A");
    QTest::newRow("em dash") << u"便纸条—"_s << hexBytes("B1 E3 D6 BD CC F5 A1 AA 0D 0A");
    QTest::newRow("euro sign is in the code page") << u"€"_s << hexBytes("80 0D 0A");
    QTest::newRow("emoji is one question mark") << u"a😀b"_s << QByteArray("a?b\r\n");
    QTest::newRow("two emoji") << u"😀😀"_s << QByteArray("??\r\n");
    QTest::newRow("outside the code page") << u"x\u0E01y"_s << QByteArray("x?y\r\n");
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + QLatin1Char('z') << QByteArray("?z\r\n");
    QTest::newRow("lone high surrogate at the end") << u"a"_s + QChar(0xD83D) << QByteArray("a?\r\n");
    QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) << QByteArray("?\r\n");
    QTest::newRow("blanks kept") << u"  a  "_s << QByteArray("  a  \r\n");
    QTest::newRow("embedded line break passes through") << u"a\r\nb"_s << QByteArray("a\r\nb\r\n");
    QTest::newRow("full-width colon") << u"："_s << hexBytes("A3 BA 0D 0A");
}

void TextFileWriterTest::encodesLines() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeAnsiLine(text), bytes);
}

void TextFileWriterTest::unrepresentableTextTwice() {
    // Found by fuzzing: after one line with an unrepresentable character, the next such line came
    // out without its "?".
    const QString text(QChar(0xFFF6));
    QCOMPARE(encodeAnsiLine(text), QByteArray("?\r\n"));
    QCOMPARE(encodeAnsiLine(text), QByteArray("?\r\n"));
    QCOMPARE(encodeAnsiLine(u"a😀"_s), QByteArray("a?\r\n"));
    QCOMPARE(encodeAnsiLine(u"x\u0E01"_s), QByteArray("x?\r\n"));
    QCOMPARE(encodeAnsiLine(u"起床"_s), QByteArray("\xC6\xF0\xB4\xB2\r\n"));
}

void TextFileWriterTest::writerKeepsLinesInOrder() {
    MemoryFileSystem files;
    TextFileWriter writer(files);
    const QString path = u"D:\\x.txt"_s;
    QVERIFY(writer.open(path));
    QVERIFY(writer.writeLine(u"第一"_s));
    QVERIFY(writer.writeLine(QString()));
    QVERIFY(writer.writeLine(u"3"_s));
    QVERIFY(!files.contains(path)); // nothing appears before close
    QVERIFY(writer.close());
    QCOMPARE(files.bytes(path), hexBytes("B5 DA D2 BB 0D 0A 0D 0A 33 0D 0A"));
}

void TextFileWriterTest::writerNeedsOpen() {
    MemoryFileSystem files;
    TextFileWriter writer(files);
    QVERIFY(!writer.writeLine(u"a"_s));
    QVERIFY(!writer.close());
    QVERIFY(files.paths().isEmpty());
}

QTEST_GUILESS_MAIN(TextFileWriterTest)
#include "tst_textfilewriter.moc"
