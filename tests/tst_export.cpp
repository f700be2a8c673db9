// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Export.h"
#include "platform/fakes/FakeDialogs.h"
#include "platform/fakes/MemoryFileSystem.h"
#include "support/TestHelpers.h"

#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;

namespace {
const QString Path = u"D:\\本机IP地址及计算机名.txt"_s;
const QString Question = u"您确定要保存数据吗？"_s;
const QString Success = u"资料已成功保存到D盘根目录！"_s;
} // namespace

class ExportTest : public QObject {
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
    ExportJob job(MemoryFileSystem &files, QStringList &events, QStringList lines = {u"a"_s, u"b"_s}) {
        return ExportJob{Question,
                         [&events, &files] {
                             events << u"prepare"_s << files.log();
                             return Path;
                         },
                         [&events, &files, lines] {
                             events << u"lines"_s << files.log();
                             return lines;
                         },
                         Success};
    }
};

void ExportTest::writesInOrder() {
    FakeDialogs dialogs;
    MemoryFileSystem files;
    QStringList events;
    dialogs.answer(DialogAnswer::Ok);

    QCOMPARE(runExport(dialogs, files, job(files, events)), ExportResult::Written);

    // The path is asked for before anything is created; the lines once the file is open.
    QCOMPARE(events, (QStringList{u"prepare"_s, u"lines"_s, u"create "_s + Path}));
    QCOMPARE(files.log(),
             (QStringList{u"create "_s + Path, u"write 1"_s, u"write 2"_s, u"commit "_s + Path}));
    QCOMPARE(files.bytes(Path), QByteArray("a\r\nb\r\n"));
    QCOMPARE(dialogs.shown().size(), 2);
    QCOMPARE(dialogs.shown()[0].kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(dialogs.shown()[0].prompt, Question);
    QCOMPARE(dialogs.shown()[0].form, ConfirmForm::OkCancel);
    QCOMPARE(dialogs.shown()[1].kind, FakeDialogs::Kind::Info);
    QCOMPARE(dialogs.shown()[1].prompt, Success);
    QCOMPARE(dialogs.shown()[1].icon, InfoIcon::Information);
}

void ExportTest::cancelDoesNothing_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("cancel") << DialogAnswer::Cancel;
    QTest::newRow("no answer") << DialogAnswer::NoAnswer;
}

void ExportTest::cancelDoesNothing() {
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

void ExportTest::failureKeepsEarlierFile_data() {
    QTest::addColumn<MemoryFileSystem::FailAt>("step");
    QTest::addColumn<int>("writeNumber");
    QTest::addColumn<QStringList>("log");
    const QString create = u"create "_s + Path;
    QTest::newRow("open") << MemoryFileSystem::FailAt::Create << 1 << QStringList{create};
    QTest::newRow("first write") << MemoryFileSystem::FailAt::Write << 1 << QStringList{create, u"write 1"_s};
    QTest::newRow("second write: no further line")
        << MemoryFileSystem::FailAt::Write << 2 << QStringList{create, u"write 1"_s, u"write 2"_s};
    QTest::newRow("close") << MemoryFileSystem::FailAt::Commit << 1
                           << QStringList{create, u"write 1"_s, u"write 2"_s, u"write 3"_s,
                                          u"commit "_s + Path};
}

void ExportTest::failureKeepsEarlierFile() {
    QFETCH(MemoryFileSystem::FailAt, step);
    QFETCH(int, writeNumber);
    QFETCH(QStringList, log);
    FakeDialogs dialogs;
    MemoryFileSystem files;
    files.put(Path, "earlier file");
    files.failAt(step, FileFailure::DiskFull, writeNumber);
    QStringList events;
    dialogs.answer(DialogAnswer::Ok);

    const ExportResult result = runExport(dialogs, files, job(files, events, {u"1"_s, u"2"_s, u"3"_s}));

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

void ExportTest::warningNamesTheReason_data() {
    QTest::addColumn<FileFailure>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no drive") << FileFailure::NoDrive << u"找不到D盘"_s;
    QTest::newRow("no permission") << FileFailure::NoPermission << u"没有写入该文件的权限"_s;
    QTest::newRow("disk full") << FileFailure::DiskFull << u"空间不足"_s;
    QTest::newRow("too large") << FileFailure::TooLarge << u"超出了系统允许的大小"_s;
    QTest::newRow("bad name") << FileFailure::BadName << u"文件名"_s;
    QTest::newRow("other") << FileFailure::Other << u"写入文件时出错"_s;
}

void ExportTest::warningNamesTheReason() {
    QFETCH(FileFailure, kind);
    QFETCH(QString, reason);
    FakeDialogs dialogs;
    MemoryFileSystem files;
    files.failAt(MemoryFileSystem::FailAt::Create, kind);
    QStringList events;
    dialogs.answer(DialogAnswer::Ok);
    runExport(dialogs, files, job(files, events));
    const QString prompt = dialogs.messages().value(0);
    QVERIFY2(prompt.startsWith(u"保存失败！"_s), qPrintable(prompt));
    QVERIFY2(prompt.contains(reason), qPrintable(prompt));
}

QTEST_GUILESS_MAIN(ExportTest)
#include "tst_export.moc"
