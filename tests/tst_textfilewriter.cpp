#include "common/TextFileWriter.h"
#include "platform/fakes/MemoryFileSystem.h"
#include "support/TestHelpers.h"

#include <QtTest>

using namespace morvela;
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
        << QStringLiteral("06：00    ") << hexBytes("30 36 A3 BA 30 30 20 20 20 20 0D 0A");
    QTest::newRow("ascii") << QStringLiteral("abc 123") << QByteArray("abc 123\r\n");
    QTest::newRow("chinese") << QStringLiteral("起床") << hexBytes("C6 F0 B4 B2 0D 0A");
    QTest::newRow("em dash") << QStringLiteral("便纸条—") << hexBytes("B1 E3 D6 BD CC F5 A1 AA 0D 0A");
    QTest::newRow("euro sign is in the code page") << QStringLiteral("€") << hexBytes("80 0D 0A");
    QTest::newRow("emoji is one question mark") << QStringLiteral("a😀b") << QByteArray("a?b\r\n");
    QTest::newRow("two emoji") << QStringLiteral("😀😀") << QByteArray("??\r\n");
    QTest::newRow("outside the code page") << QStringLiteral("x\u0E01y") << QByteArray("x?y\r\n");
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + QLatin1Char('z') << QByteArray("?z\r\n");
    QTest::newRow("lone high surrogate at the end")
        << QStringLiteral("a") + QChar(0xD83D) << QByteArray("a?\r\n");
    QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) << QByteArray("?\r\n");
    QTest::newRow("blanks kept") << QStringLiteral("  a  ") << QByteArray("  a  \r\n");
    QTest::newRow("embedded line break passes through")
        << QStringLiteral("a\r\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("full-width colon") << QStringLiteral("：") << hexBytes("A3 BA 0D 0A");
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
    QCOMPARE(encodeAnsiLine(QStringLiteral("a😀")), QByteArray("a?\r\n"));
    QCOMPARE(encodeAnsiLine(QStringLiteral("x\u0E01")), QByteArray("x?\r\n"));
    QCOMPARE(encodeAnsiLine(QStringLiteral("起床")), QByteArray("\xC6\xF0\xB4\xB2\r\n"));
}

void TextFileWriterTest::writerKeepsLinesInOrder() {
    MemoryFileSystem files;
    TextFileWriter writer(files);
    const QString path = QStringLiteral("D:\\x.txt");
    QVERIFY(writer.open(path));
    QVERIFY(writer.writeLine(QStringLiteral("第一")));
    QVERIFY(writer.writeLine(QString()));
    QVERIFY(writer.writeLine(QStringLiteral("3")));
    QVERIFY(!files.contains(path)); // nothing appears before close
    QVERIFY(writer.close());
    QCOMPARE(files.bytes(path), hexBytes("B5 DA D2 BB 0D 0A 0D 0A 33 0D 0A"));
}

void TextFileWriterTest::writerNeedsOpen() {
    MemoryFileSystem files;
    TextFileWriter writer(files);
    QVERIFY(!writer.writeLine(QStringLiteral("a")));
    QVERIFY(!writer.close());
    QVERIFY(files.paths().isEmpty());
}

QTEST_GUILESS_MAIN(TextFileWriterTest)
#include "tst_textfilewriter.moc"
