#include "common/Export.h"
#include "common/TextFileWriter.h"
#include "platform/FileSystem.h"
#include "platform/fakes/FakeDialogs.h"

#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace morvela;

namespace {

QByteArray readAll(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

bool writeFile(FileSystem &fs, const QString &logical, const QStringList &lines, FileError *error = nullptr) {
    TextFileWriter writer(fs);
    bool ok = writer.open(logical);
    for (const QString &line : lines)
        ok = ok && writer.writeLine(line);
    ok = ok && writer.close();
    if (error)
        *error = writer.error();
    return ok;
}

} // namespace

class TestDiskFileSystem : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void folderIsCreatedWhenFirstNeeded();
    void homeFolderWhenUnset();
    void replacesAnEarlierFile();
    void refusesNamesNoDriveCanHold_data();
    void refusesNamesNoDriveCanHold();
    void missingDriveIsReported();
    void folderInTheWayKeepsEverything();
    void exportOnDisk();
    void writeRefusedAtCloseKeepsEarlierFile();

private:
    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_drive;
};

void TestDiskFileSystem::init() {
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
#ifdef Q_OS_WIN
    // Drive D itself (under Wine: a fresh folder for each run), emptied for each test.
    m_drive = QStringLiteral("D:/");
    QDir drive(m_drive);
    for (const QString &name : drive.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        QVERIFY(QFileInfo(drive.filePath(name)).isDir() ? QDir(drive.filePath(name)).removeRecursively()
                                                        : drive.remove(name));
#else
    m_drive = m_temp->filePath(QStringLiteral("D"));
    qputenv("MORVELA_DRIVE_D", m_drive.toLocal8Bit());
#endif
}

void TestDiskFileSystem::cleanup() {
    m_temp.reset();
}

void TestDiskFileSystem::folderIsCreatedWhenFirstNeeded() {
    DiskFileSystem fs;
    QCOMPARE(DiskFileSystem::outputFolder(), m_drive);
#ifndef Q_OS_WIN
    QVERIFY(!QFileInfo::exists(m_drive));
#endif
    QVERIFY(writeFile(fs, QStringLiteral("D:\\2009-7-23 的日程表.txt"), {QStringLiteral("起床")}));
    QCOMPARE(readAll(QDir(m_drive).filePath(QStringLiteral("2009-7-23 的日程表.txt"))),
             QByteArray("\xC6\xF0\xB4\xB2\r\n"));
    // Nothing else appears beside it (no temporary files left behind).
    QCOMPARE(QDir(m_drive).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
}

void TestDiskFileSystem::homeFolderWhenUnset() {
    const QByteArray home = qgetenv("HOME");
    qunsetenv("MORVELA_DRIVE_D");
    qputenv("HOME", m_temp->path().toLocal8Bit());
    const QString folder = DiskFileSystem::outputFolder();
    qputenv("HOME", home);
#ifdef Q_OS_WIN
    QCOMPARE(folder, QStringLiteral("D:/")); // drive D whatever the environment says
#else
    QCOMPARE(QDir::cleanPath(folder), QDir::cleanPath(m_temp->path() + QStringLiteral("/D")));
#endif
}

void TestDiskFileSystem::replacesAnEarlierFile() {
    DiskFileSystem fs;
    const QString logical = QStringLiteral("D:\\本机IP地址及计算机名.txt");
    QVERIFY(writeFile(fs, logical, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    QVERIFY(writeFile(fs, logical, {QStringLiteral("x")}));
    QCOMPARE(readAll(DiskFileSystem::nativePath(logical)), QByteArray("x\r\n"));
}

void TestDiskFileSystem::refusesNamesNoDriveCanHold_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("slash date") << QStringLiteral("D:\\7/23/2009 的日程表.txt");
    QTest::newRow("backslash") << QStringLiteral("D:\\a\\b.txt");
    QTest::newRow("colon") << QStringLiteral("D:\\a:b.txt");
    QTest::newRow("question mark") << QStringLiteral("D:\\a?.txt");
    QTest::newRow("no name") << QStringLiteral("D:\\");
    QTest::newRow("dot dot") << QStringLiteral("D:\\..");
    QTest::newRow("another drive") << QStringLiteral("C:\\a.txt");
    QTest::newRow("trailing blank") << QStringLiteral("D:\\a.txt ");
}

void TestDiskFileSystem::refusesNamesNoDriveCanHold() {
    QFETCH(QString, path);
    DiskFileSystem fs;
    FileError error;
    QVERIFY(!writeFile(fs, path, {QStringLiteral("x")}, &error));
    QCOMPARE(error.kind, FileFailure::BadName);
    // Nothing is created outside (or inside) the folder.
    QVERIFY(!QFileInfo::exists(m_drive) || QDir(m_drive).isEmpty());
}

void TestDiskFileSystem::missingDriveIsReported() {
#ifdef Q_OS_WIN
    // Drive D leads nowhere: the folder Wine's drive D points at is moved aside (and put back afterwards).
    const QString target = qEnvironmentVariable("MORVELA_WINE_DRIVE_D_TARGET");
    if (target.isEmpty())
        QSKIP("needs a drive D that can be taken away (scripts/wine-test.sh)");
    const QString away = target + QStringLiteral(".away");
    QVERIFY(QDir().rename(target, away));
    const auto restore = qScopeGuard([&] { QDir().rename(away, target); });
#else
    // The stand-in folder cannot be made: its parent does not exist.
    qputenv("MORVELA_DRIVE_D", m_temp->filePath(QStringLiteral("missing/D")).toLocal8Bit());
#endif
    DiskFileSystem fs;
    FileError error;
    QVERIFY(!writeFile(fs, QStringLiteral("D:\\a.txt"), {QStringLiteral("x")}, &error));
    QCOMPARE(error.kind, FileFailure::NoDrive);
    QVERIFY(!QFileInfo::exists(m_temp->filePath(QStringLiteral("missing"))));
}

void TestDiskFileSystem::folderInTheWayKeepsEverything() {
    DiskFileSystem fs;
    const QString folder = QDir(m_drive).filePath(QStringLiteral("a.txt"));
    QVERIFY(QDir().mkpath(folder));
    FileError error;
    QVERIFY(!writeFile(fs, QStringLiteral("D:\\a.txt"), {QStringLiteral("x")}, &error));
    QVERIFY(error.kind != FileFailure::None);
    QVERIFY(QFileInfo(folder).isDir());
}

void TestDiskFileSystem::exportOnDisk() {
    DiskFileSystem fs;
    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    const QString logical = QStringLiteral("D:\\便纸条—140509.txt");
    const ExportResult result = runExport(
        dialogs, fs,
        ExportJob{
            QStringLiteral("您确定要保存便纸条吗？"), [&] { return logical; },
            [] {
                return QStringList{QStringLiteral("2009-8-1 14:05:09 时创建的便纸条"), QString(), QString()};
            },
            QStringLiteral("便纸条已成功保存到D盘根目录！")});
    QCOMPARE(result, ExportResult::Written);
    QCOMPARE(
        readAll(QDir(m_drive).filePath(QStringLiteral("便纸条—140509.txt"))),
        QByteArray("2009-8-1 14:05:09 \xCA\xB1\xB4\xB4\xBD\xA8\xB5\xC4\xB1\xE3\xD6\xBD\xCC\xF5\r\n\r\n\r\n"));
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("便纸条已成功保存到D盘根目录！")});
}

void TestDiskFileSystem::writeRefusedAtCloseKeepsEarlierFile() {
#ifdef Q_OS_LINUX
    DiskFileSystem fs;
    const QString logical = QStringLiteral("D:\\本机IP地址及计算机名.txt");
    QVERIFY(writeFile(fs, logical, {QStringLiteral("earlier")}));

    // A disk that takes no more than 16 bytes of a file: the short lines wait in the file's buffer, and
    // the disk refuses them only when the file is closed (as a full disk does).
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 16;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    const ExportResult result =
        runExport(dialogs, fs,
                  ExportJob{QStringLiteral("您确定要保存数据吗？"), [&] { return logical; },
                            [] {
                                return QStringList{QStringLiteral("本机IP地址为：192.168.1.10"),
                                                   QStringLiteral("计算机名为：OFFICE-PC")};
                            },
                            QStringLiteral("资料已成功保存到D盘根目录！")});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(result, ExportResult::Failed);
    QVERIFY2(dialogs.messages().value(0).startsWith(QStringLiteral("保存失败！")),
             qPrintable(dialogs.messages().value(0)));
    QCOMPARE(readAll(DiskFileSystem::nativePath(logical)), QByteArray("earlier\r\n"));
    QCOMPARE(QDir(m_drive).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
#else
    QSKIP("needs a per-process file size limit");
#endif
}

QTEST_GUILESS_MAIN(TestDiskFileSystem)
#include "tst_diskfilesystem.moc"
