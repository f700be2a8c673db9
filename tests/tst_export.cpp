#include "common/Export.h"
#include "platform/fakes/FakeDialogs.h"
#include "platform/fakes/MemoryFileSystem.h"
#include "support/TestHelpers.h"

#include <QtTest>

using namespace morvela;

namespace {
const QString Path = QStringLiteral("D:\\本机IP地址及计算机名.txt");
const QString Question = QStringLiteral("您确定要保存数据吗？");
const QString Success = QStringLiteral("资料已成功保存到D盘根目录！");
} // namespace

class TestExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesInOrder();
    void cancelDoesNothing_data();
    void cancelDoesNothing();
    void failureKeepsEarlierFile_data();
    void failureKeepsEarlierFile();
    void warningNamesTheReason_data();
    void warningNamesTheReason();

private:
    // An export that logs when its callbacks run, into the same log the file system writes.
    ExportJob job(MemoryFileSystem &files, QStringList &events,
                  QStringList lines = {QStringLiteral("a"), QStringLiteral("b")}) {
        return ExportJob{Question,
                         [&events, &files] {
                             events << QStringLiteral("prepare") << files.log();
                             return Path;
                         },
                         [&events, &files, lines] {
                             events << QStringLiteral("lines") << files.log();
                             return lines;
                         },
                         Success};
    }
};

void TestExport::writesInOrder() {
    FakeDialogs dialogs;
    MemoryFileSystem files;
    QStringList events;
    dialogs.answer(DialogAnswer::Ok);

    QCOMPARE(runExport(dialogs, files, job(files, events)), ExportResult::Written);

    // The path is asked for before anything is created; the lines once the file is open.
    QCOMPARE(events, (QStringList{QStringLiteral("prepare"), QStringLiteral("lines"),
                                  QStringLiteral("create ") + Path}));
    QCOMPARE(files.log(), (QStringList{QStringLiteral("create ") + Path, QStringLiteral("write 1"),
                                       QStringLiteral("write 2"), QStringLiteral("commit ") + Path}));
    QCOMPARE(files.bytes(Path), QByteArray("a\r\nb\r\n"));
    QCOMPARE(dialogs.shown().size(), 2);
    QCOMPARE(dialogs.shown()[0].kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(dialogs.shown()[0].prompt, Question);
    QCOMPARE(dialogs.shown()[0].form, ConfirmForm::OkCancel);
    QCOMPARE(dialogs.shown()[1].kind, FakeDialogs::Kind::Info);
    QCOMPARE(dialogs.shown()[1].prompt, Success);
    QCOMPARE(dialogs.shown()[1].icon, InfoIcon::Information);
}

void TestExport::cancelDoesNothing_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("cancel") << DialogAnswer::Cancel;
    QTest::newRow("no answer") << DialogAnswer::NoAnswer;
}

void TestExport::cancelDoesNothing() {
    QFETCH(DialogAnswer, answer);
    FakeDialogs dialogs;
    MemoryFileSystem files;
    files.put(Path, "old");
    QStringList events;
    dialogs.answer(answer);

    QCOMPARE(runExport(dialogs, files, job(files, events)), ExportResult::Cancelled);
    QVERIFY(events.isEmpty());
    QVERIFY(files.log().isEmpty());
    QCOMPARE(files.bytes(Path), QByteArray("old"));
    QCOMPARE(dialogs.prompts(), QStringList{Question});
}

void TestExport::failureKeepsEarlierFile_data() {
    QTest::addColumn<MemoryFileSystem::FailAt>("step");
    QTest::addColumn<int>("writeNumber");
    QTest::addColumn<QStringList>("log");
    const QString create = QStringLiteral("create ") + Path;
    QTest::newRow("open") << MemoryFileSystem::FailAt::Create << 1 << QStringList{create};
    QTest::newRow("first write") << MemoryFileSystem::FailAt::Write << 1
                                 << QStringList{create, QStringLiteral("write 1")};
    QTest::newRow("second write: no further line")
        << MemoryFileSystem::FailAt::Write << 2
        << QStringList{create, QStringLiteral("write 1"), QStringLiteral("write 2")};
    QTest::newRow("close") << MemoryFileSystem::FailAt::Commit << 1
                           << QStringList{create, QStringLiteral("write 1"), QStringLiteral("write 2"),
                                          QStringLiteral("write 3"), QStringLiteral("commit ") + Path};
}

void TestExport::failureKeepsEarlierFile() {
    QFETCH(MemoryFileSystem::FailAt, step);
    QFETCH(int, writeNumber);
    QFETCH(QStringList, log);
    FakeDialogs dialogs;
    MemoryFileSystem files;
    files.put(Path, "earlier file");
    files.failAt(step, FileFailure::DiskFull, writeNumber);
    QStringList events;
    dialogs.answer(DialogAnswer::Ok);

    const ExportResult result = runExport(
        dialogs, files, job(files, events, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));

    QCOMPARE(result, ExportResult::Failed);
    QCOMPARE(files.log(), log);
    QCOMPARE(files.bytes(Path), QByteArray("earlier file"));
    QCOMPARE(dialogs.shown().size(), 2);
    const FakeDialogs::Shown warning = dialogs.shown()[1];
    QCOMPARE(warning.kind, FakeDialogs::Kind::Info);
    QCOMPARE(warning.icon, InfoIcon::Warning);
    QVERIFY(warning.prompt != Success);
    QVERIFY2(warning.prompt.contains(Path), qPrintable(warning.prompt));
}

void TestExport::warningNamesTheReason_data() {
    QTest::addColumn<FileFailure>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no drive") << FileFailure::NoDrive << QStringLiteral("找不到D盘");
    QTest::newRow("no permission") << FileFailure::NoPermission << QStringLiteral("没有写入该文件的权限");
    QTest::newRow("disk full") << FileFailure::DiskFull << QStringLiteral("空间不足");
    QTest::newRow("too large") << FileFailure::TooLarge << QStringLiteral("超出了系统允许的大小");
    QTest::newRow("bad name") << FileFailure::BadName << QStringLiteral("文件名");
    QTest::newRow("other") << FileFailure::Other << QStringLiteral("写入文件时出错");
}

void TestExport::warningNamesTheReason() {
    QFETCH(FileFailure, kind);
    QFETCH(QString, reason);
    FakeDialogs dialogs;
    MemoryFileSystem files;
    files.failAt(MemoryFileSystem::FailAt::Create, kind);
    QStringList events;
    dialogs.answer(DialogAnswer::Ok);
    runExport(dialogs, files, job(files, events));
    const QString prompt = dialogs.messages().value(0);
    QVERIFY2(prompt.startsWith(QStringLiteral("保存失败！")), qPrintable(prompt));
    QVERIFY2(prompt.contains(reason), qPrintable(prompt));
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
