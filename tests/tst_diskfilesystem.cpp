// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Export.h"
#include "common/TextFileWriter.h"
#include "platform/FileSystem.h"
#include "platform/ProcessSignals.h"
#include "platform/fakes/FakeDialogs.h"

#include <QtTest>

#include <cerrno>
#include <functional>

#ifdef Q_OS_LINUX
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace morvela;
using namespace Qt::StringLiterals;

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

const QString hostFile = u"D:\\本机IP地址及计算机名.txt"_s;

const QStringList hostLines = {u"本机IP地址为：192.168.1.10"_s, u"计算机名为：OFFICE-PC"_s};

#ifdef Q_OS_LINUX
// The host identity export, as its page runs it; gives the messages shown.
QStringList exportHostIdentity(FileSystem &fs, const QStringList &lines) {
    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    runExport(dialogs, fs,
              ExportJob{u"您确定要保存数据吗？"_s, [] { return hostFile; }, [&] { return lines; },
                        u"资料已成功保存到D盘根目录！"_s});
    return dialogs.messages();
}

// What a child process did: how it ended (as waitpid tells) and what it wrote back.
struct ChildRun {
    int status = 0;
    QByteArray output;
};

// A child exit code that means "this machine cannot set the scene up".
constexpr int CannotTry = 77;

// Runs `body` in a child process, which writes what it returns back to the parent and exits with 0, or
// ends the way the body makes it end.
ChildRun inChild(const std::function<QByteArray()> &body) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        qFatal("pipe failed");
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid < 0)
        qFatal("fork failed");
    if (pid == 0) {
        close(pipeEnds[0]);
        const QByteArray out = body();
        for (qsizetype done = 0; done < out.size();) {
            const ssize_t n = write(pipeEnds[1], out.constData() + done, size_t(out.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        _exit(0);
    }
    close(pipeEnds[1]);
    ChildRun run;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        run.output.append(buffer, n);
    close(pipeEnds[0]);
    waitpid(pid, &run.status, 0);
    return run;
}

bool writeText(const char *path, const char *text) {
    const int fd = open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool ok = write(fd, text, std::strlen(text)) == ssize_t(std::strlen(text));
    close(fd);
    return ok;
}

// In a new mount namespace (with a user namespace of its own where plain root may not make one), the
// folder is bound onto itself read-only. False where the machine allows neither.
bool makeReadOnly(const QByteArray &folder) {
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWNS) != 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        writeText("/proc/self/setgroups", "deny");
        if (!writeText("/proc/self/uid_map",
                       QByteArray::number(uid).prepend("0 ").append(" 1").constData()) ||
            !writeText("/proc/self/gid_map", QByteArray::number(gid).prepend("0 ").append(" 1").constData()))
            return false;
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    if (mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) != 0)
        return false;
    return mount(nullptr, folder.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
#endif

} // namespace

class DiskFileSystemTest : public QObject {
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
    void fileSizeLimitFailsLikeAnyWrite_data();
    void fileSizeLimitFailsLikeAnyWrite();
    void errnoMeansReason_data();
    void errnoMeansReason();
    void permissionDeniedOnDisk();
    void readOnlyDriveOnDisk();
    void nameTooLongOnDisk();

private:
    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_drive;
};

void DiskFileSystemTest::init() {
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
#ifdef Q_OS_WIN
    // Drive D itself (under Wine: a fresh folder for each run), emptied for each test.
    m_drive = u"D:/"_s;
    QDir drive(m_drive);
    for (const QString &name : drive.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        QVERIFY(QFileInfo(drive.filePath(name)).isDir() ? QDir(drive.filePath(name)).removeRecursively()
                                                        : drive.remove(name));
#else
    m_drive = m_temp->filePath(u"D"_s);
    qputenv("MORVELA_DRIVE_D", m_drive.toLocal8Bit());
#endif
}

void DiskFileSystemTest::cleanup() {
    m_temp.reset();
}

void DiskFileSystemTest::folderIsCreatedWhenFirstNeeded() {
    DiskFileSystem fs;
    QCOMPARE(DiskFileSystem::outputFolder(), m_drive);
#ifndef Q_OS_WIN
    QVERIFY(!QFileInfo::exists(m_drive));
#endif
    QVERIFY(writeFile(fs, u"D:\\2009-7-23 的日程表.txt"_s, {u"起床"_s}));
    QCOMPARE(readAll(QDir(m_drive).filePath(u"2009-7-23 的日程表.txt"_s)),
             QByteArray("\xC6\xF0\xB4\xB2\r\n"));
    // Nothing else appears beside it (no temporary files left behind).
    QCOMPARE(QDir(m_drive).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
}

void DiskFileSystemTest::homeFolderWhenUnset() {
    const QByteArray home = qgetenv("HOME");
    qunsetenv("MORVELA_DRIVE_D");
    qputenv("HOME", m_temp->path().toLocal8Bit());
    const QString folder = DiskFileSystem::outputFolder();
    qputenv("HOME", home);
#ifdef Q_OS_WIN
    QCOMPARE(folder, u"D:/"_s); // drive D whatever the environment says
#else
    QCOMPARE(QDir::cleanPath(folder), QDir::cleanPath(m_temp->path() + u"/D"_s));
#endif
}

void DiskFileSystemTest::replacesAnEarlierFile() {
    DiskFileSystem fs;
    const QString logical = u"D:\\本机IP地址及计算机名.txt"_s;
    QVERIFY(writeFile(fs, logical, {u"1"_s, u"2"_s, u"3"_s}));
    QVERIFY(writeFile(fs, logical, {u"x"_s}));
    QCOMPARE(readAll(DiskFileSystem::nativePath(logical)), QByteArray("x\r\n"));
}

void DiskFileSystemTest::refusesNamesNoDriveCanHold_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("slash date") << u"D:\\7/23/2009 的日程表.txt"_s;
    QTest::newRow("backslash") << u"D:\\a\\b.txt"_s;
    QTest::newRow("colon") << u"D:\\a:b.txt"_s;
    QTest::newRow("question mark") << u"D:\\a?.txt"_s;
    QTest::newRow("no name") << u"D:\\"_s;
    QTest::newRow("dot dot") << u"D:\\.."_s;
    QTest::newRow("another drive") << u"C:\\a.txt"_s;
    QTest::newRow("trailing blank") << u"D:\\a.txt "_s;
}

void DiskFileSystemTest::refusesNamesNoDriveCanHold() {
    QFETCH(QString, path);
    DiskFileSystem fs;
    FileError error;
    QVERIFY(!writeFile(fs, path, {u"x"_s}, &error));
    QCOMPARE(error.kind, FileFailure::BadName);
    // Nothing is created outside (or inside) the folder.
    QVERIFY(!QFileInfo::exists(m_drive) || QDir(m_drive).isEmpty());
}

void DiskFileSystemTest::missingDriveIsReported() {
#ifdef Q_OS_WIN
    // Drive D leads nowhere: the folder Wine's drive D points at is moved aside (and put back afterwards).
    const QString target = qEnvironmentVariable("MORVELA_WINE_DRIVE_D_TARGET");
    if (target.isEmpty())
        QSKIP("needs a drive D that can be taken away (scripts/wine-test.sh)");
    const QString away = target + u".away"_s;
    QVERIFY(QDir().rename(target, away));
    const auto restore = qScopeGuard([&] { QDir().rename(away, target); });
#else
    // The stand-in folder cannot be made: its parent does not exist.
    qputenv("MORVELA_DRIVE_D", m_temp->filePath(u"missing/D"_s).toLocal8Bit());
#endif
    DiskFileSystem fs;
    FileError error;
    QVERIFY(!writeFile(fs, u"D:\\a.txt"_s, {u"x"_s}, &error));
    QCOMPARE(error.kind, FileFailure::NoDrive);
    QVERIFY(!QFileInfo::exists(m_temp->filePath(u"missing"_s)));
}

void DiskFileSystemTest::folderInTheWayKeepsEverything() {
    DiskFileSystem fs;
    const QString folder = QDir(m_drive).filePath(u"a.txt"_s);
    QVERIFY(QDir().mkpath(folder));
    FileError error;
    QVERIFY(!writeFile(fs, u"D:\\a.txt"_s, {u"x"_s}, &error));
    QVERIFY(error.kind != FileFailure::None);
    QVERIFY(QFileInfo(folder).isDir());
}

void DiskFileSystemTest::exportOnDisk() {
    DiskFileSystem fs;
    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    const QString logical = u"D:\\便纸条—140509.txt"_s;
    const ExportResult result = runExport(
        dialogs, fs,
        ExportJob{u"您确定要保存便纸条吗？"_s, [&] { return logical; },
                  [] {
                      return QStringList{u"2009-8-1 14:05:09 时创建的便纸条"_s, QString(), QString()};
                  },
                  u"便纸条已成功保存到D盘根目录！"_s});
    QCOMPARE(result, ExportResult::Written);
    QCOMPARE(
        readAll(QDir(m_drive).filePath(u"便纸条—140509.txt"_s)),
        QByteArray("2009-8-1 14:05:09 \xCA\xB1\xB4\xB4\xBD\xA8\xB5\xC4\xB1\xE3\xD6\xBD\xCC\xF5\r\n\r\n\r\n"));
    QCOMPARE(dialogs.messages(), QStringList{u"便纸条已成功保存到D盘根目录！"_s});
}

void DiskFileSystemTest::writeRefusedAtCloseKeepsEarlierFile() {
#ifdef Q_OS_LINUX
    DiskFileSystem fs;
    const QString logical = u"D:\\本机IP地址及计算机名.txt"_s;
    QVERIFY(writeFile(fs, logical, {u"earlier"_s}));

    // A disk that takes no more than 16 bytes of a file: the short lines wait in the file's buffer, and
    // the disk refuses them only when the file is closed (as a full disk does).
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 16;
    IgnoreFileSizeSignal();
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    const ExportResult result = runExport(
        dialogs, fs,
        ExportJob{u"您确定要保存数据吗？"_s, [&] { return logical; },
                  [] {
                      return QStringList{u"本机IP地址为：192.168.1.10"_s, u"计算机名为：OFFICE-PC"_s};
                  },
                  u"资料已成功保存到D盘根目录！"_s});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);

    QCOMPARE(result, ExportResult::Failed);
    QVERIFY2(dialogs.messages().value(0).startsWith(u"保存失败！"_s),
             qPrintable(dialogs.messages().value(0)));
    QVERIFY2(dialogs.messages().value(0).contains(u"文件超出了系统允许的大小。"_s),
             qPrintable(dialogs.messages().value(0)));
    QCOMPARE(readAll(DiskFileSystem::nativePath(logical)), QByteArray("earlier\r\n"));
    QCOMPARE(QDir(m_drive).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
#else
    QSKIP("needs a per-process file size limit");
#endif
}

// A file-size limit (ulimit -f), in a child process that ignores SIGXFSZ the way main() does: the write
// that goes beyond the limit fails, the export names the file in its warning, and the earlier file stays.
// Without ignoring the signal the same export ends the process.
void DiskFileSystemTest::fileSizeLimitFailsLikeAnyWrite_data() {
    QTest::addColumn<bool>("ignored");
    QTest::addColumn<int>("lineLength");
    QTest::newRow("short lines, refused when the file is closed") << true << 40;
    QTest::newRow("a long line, refused while it is written") << true << 100000;
    QTest::newRow("the signal not ignored") << false << 100000;
}

void DiskFileSystemTest::fileSizeLimitFailsLikeAnyWrite() {
#ifdef Q_OS_LINUX
    QFETCH(bool, ignored);
    QFETCH(int, lineLength);
    DiskFileSystem fs;
    QVERIFY(writeFile(fs, hostFile, {u"earlier"_s}));

    const ChildRun run = inChild([&] {
        if (ignored)
            IgnoreFileSizeSignal();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 16;
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(CannotTry);
        return exportHostIdentity(fs, {QString(lineLength, QLatin1Char('x')), u"y"_s})
            .join(QLatin1Char('\n'))
            .toUtf8();
    });
    if (!ignored) {
        QVERIFY(WIFSIGNALED(run.status));
        QCOMPARE(WTERMSIG(run.status), SIGXFSZ);
    } else {
        QVERIFY2(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0, "the child did not end normally");
        const QString shown = QString::fromUtf8(run.output);
        QVERIFY2(shown.startsWith(u"保存失败！文件“D:\\本机IP地址及计算机名.txt”未能写入：\r\n"_s),
                 qPrintable(shown));
        QVERIFY(!shown.contains(u"已成功保存"_s));
    }
    QCOMPARE(readAll(DiskFileSystem::nativePath(hostFile)), QByteArray("earlier\r\n"));
    QCOMPARE(QDir(m_drive).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
#else
    QSKIP("needs a per-process file size limit");
#endif
}

// What each errno a failed open, write or close leaves means, by the meaning of the code.
void DiskFileSystemTest::errnoMeansReason_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<FileFailure>("kind");
    QTest::newRow("EACCES, permission denied") << int(EACCES) << FileFailure::NoPermission;
    QTest::newRow("EPERM, operation not permitted") << int(EPERM) << FileFailure::NoPermission;
    QTest::newRow("EROFS, read-only file system") << int(EROFS) << FileFailure::NoPermission;
    QTest::newRow("ENOSPC, no space left") << int(ENOSPC) << FileFailure::DiskFull;
#ifdef EDQUOT
    QTest::newRow("EDQUOT, quota exceeded") << int(EDQUOT) << FileFailure::DiskFull;
#endif
    QTest::newRow("ENAMETOOLONG, name too long") << int(ENAMETOOLONG) << FileFailure::BadName;
    QTest::newRow("EINVAL, invalid argument") << int(EINVAL) << FileFailure::BadName;
    QTest::newRow("EILSEQ, bytes not a character") << int(EILSEQ) << FileFailure::BadName;
    QTest::newRow("ENOENT, no such folder") << int(ENOENT) << FileFailure::NoDrive;
    QTest::newRow("ENOTDIR, not a folder") << int(ENOTDIR) << FileFailure::NoDrive;
    QTest::newRow("EIO, input/output error") << int(EIO) << FileFailure::Other;
    QTest::newRow("EFBIG, file too large") << int(EFBIG) << FileFailure::TooLarge;
    QTest::newRow("no code") << 0 << FileFailure::Other;
}

void DiskFileSystemTest::errnoMeansReason() {
    QFETCH(int, code);
    QFETCH(FileFailure, kind);
    QCOMPARE(DiskFileSystem::failureFromErrno(code), kind);
}

// A folder the user may not write into, on the real disk. Root writes anywhere, so as root the export
// runs in a child process that has become the unprivileged user "nobody".
void DiskFileSystemTest::permissionDeniedOnDisk() {
#ifdef Q_OS_LINUX
    DiskFileSystem fs;
    QVERIFY(writeFile(fs, hostFile, {u"earlier"_s}));
    QVERIFY(QFile::setPermissions(m_temp->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther));
    QVERIFY(QFile::setPermissions(m_drive, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                               QFileDevice::ReadOther | QFileDevice::ExeOther));
    const ChildRun run = inChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(CannotTry);
        return exportHostIdentity(fs, hostLines).join(QLatin1Char('\n')).toUtf8();
    });
    QFile::setPermissions(m_drive, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (WIFEXITED(run.status) && WEXITSTATUS(run.status) == CannotTry)
        QSKIP("cannot become an unprivileged user here");
    QVERIFY(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0);
    QCOMPARE(QString::fromUtf8(run.output), u"保存失败！文件“D:\\本机IP地址及计算机名.txt”未能写入：\r\n"
                                            "没有写入该文件的权限，或D盘是只读的。"_s);
    QCOMPARE(readAll(DiskFileSystem::nativePath(hostFile)), QByteArray("earlier\r\n"));
#else
    QSKIP("needs POSIX permissions");
#endif
}

// A read-only medium, on the real disk: the folder bound read-only onto itself in a mount namespace of
// the child's own (permission bits do not stop root; a read-only mount does).
void DiskFileSystemTest::readOnlyDriveOnDisk() {
#ifdef Q_OS_LINUX
    DiskFileSystem fs;
    QVERIFY(writeFile(fs, hostFile, {u"earlier"_s}));
    const QByteArray folder = QFile::encodeName(m_drive);
    const ChildRun run = inChild([&] {
        if (!makeReadOnly(folder))
            _exit(CannotTry);
        return exportHostIdentity(fs, hostLines).join(QLatin1Char('\n')).toUtf8();
    });
    if (WIFEXITED(run.status) && WEXITSTATUS(run.status) == CannotTry)
        QSKIP("this machine allows no mount namespace (the errno table above still checks EROFS)");
    QVERIFY(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 0);
    QCOMPARE(QString::fromUtf8(run.output), u"保存失败！文件“D:\\本机IP地址及计算机名.txt”未能写入：\r\n"
                                            "没有写入该文件的权限，或D盘是只读的。"_s);
    QCOMPARE(readAll(DiskFileSystem::nativePath(hostFile)), QByteArray("earlier\r\n"));
#else
    QSKIP("needs Linux mount namespaces");
#endif
}

// A name longer than the file system takes (255 bytes): refused for root too.
void DiskFileSystemTest::nameTooLongOnDisk() {
#ifndef Q_OS_LINUX
    QSKIP("the errno of a long name is Linux's");
#endif
    DiskFileSystem fs;
    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    const QString logical = u"D:\\"_s + QString(300, QLatin1Char('n')) + u".txt"_s;
    const ExportResult result =
        runExport(dialogs, fs,
                  ExportJob{u"您确定要保存数据吗？"_s, [&] { return logical; }, [] { return hostLines; },
                            u"资料已成功保存到D盘根目录！"_s});
    QCOMPARE(result, ExportResult::Failed);
    QCOMPARE(dialogs.messages(),
             QStringList{u"保存失败！文件“"_s + logical + u"”未能写入：\r\n文件名不能用于D盘上的文件。"_s});
}

QTEST_GUILESS_MAIN(DiskFileSystemTest)
#include "tst_diskfilesystem.moc"
