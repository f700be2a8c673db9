// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows branches on a Chinese Windows (run under Wine in the zh_CN.UTF-8 locale, code page 936): the
// system code page writer, the regional date, time and number forms, drive D, and the shell launch.
#include "app/MainWindow.h"
#include "common/AppTexts.h"
#include "common/DateTexts.h"
#include "common/Export.h"
#include "common/NumberForms.h"
#include "common/TextFileWriter.h"
#include "dates/DateQuery.h"
#include "platform/FileSystem.h"
#include "platform/Services.h"
#include "platform/SystemShell.h"
#include "platform/fakes/FakePlatform.h"
#include "schedule/ScheduleExport.h"
#include "support/TestHelpers.h"
#include "support/WindowFixture.h"
#include "webmail/MailShortcutTable.h"

#include <QPushButton>
#include <QtTest>

#include <windows.h>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::hexBytes;
using morvela::test::WindowFixture;

namespace {

QString localeInfo(LCTYPE type) {
    wchar_t buffer[128];
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 128);
    return n > 0 ? QString::fromWCharArray(buffer, n - 1) : QString();
}

// The user's short date as Windows itself writes it.
QString windowsShortDate(const QDate &date) {
    SYSTEMTIME st{};
    st.wYear = WORD(date.year());
    st.wMonth = WORD(date.month());
    st.wDay = WORD(date.day());
    wchar_t buffer[128];
    const int n =
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128, nullptr);
    return n > 0 ? QString::fromWCharArray(buffer, n - 1) : QString();
}

// A time of day in the user's long (or short) time form, as Windows itself writes it.
QString windowsTime(const QTime &time, DWORD flags) {
    SYSTEMTIME st{};
    st.wYear = 2009;
    st.wMonth = 7;
    st.wDay = 23;
    st.wHour = WORD(time.hour());
    st.wMinute = WORD(time.minute());
    st.wSecond = WORD(time.second());
    wchar_t buffer[128];
    const int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &st, nullptr, buffer, 128);
    return n > 0 ? QString::fromWCharArray(buffer, n - 1) : QString();
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

// The regional forms that the "custom forms" CTest run sets for the user (HKCU\Control Panel\International).
bool customFormsSet() {
    return localeInfo(LOCALE_SSHORTDATE) == u"d/M/yyyy"_s;
}

ExportResult exportLines(Dialogs &dialogs, FileSystem &files, const QString &path, const QStringList &lines) {
    return runExport(dialogs, files,
                     ExportJob{u"您确定要保存日程表吗？"_s, [&] { return path; }, [&] { return lines; },
                               u"日程表已成功保存到D盘根目录！"_s});
}

} // namespace

class WindowsPlatformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void systemCodePageWriter_data();
    void systemCodePageWriter();

    void chineseShortDate_data();
    void chineseShortDate();
    void chineseTimes_data();
    void chineseTimes();
    void chineseDecimalSeparator();
    void scheduleFileNameAndTitleUnderSlashDate();
    void dateQueryReadsTheRegionalShortDateFirst();

    void exportLandsOnDriveD();
    void driveDStaysDriveDWhateverTheEnvironment();
    void missingDriveDGivesTheWarning();

    void mailButtonLaunchesExplorerMinimized_data();
    void mailButtonLaunchesExplorerMinimized();
    void failedLaunchIsReportedToTheCaller();

    void customRegionalForms();

private:
    QString m_driveTarget; // the folder Wine's drive D points at, as a Windows path (Z:...)
};

void WindowsPlatformTest::initTestCase() {
    // The Chinese Windows these tests are about: code page 936 and the zh-CN regional settings.
    QCOMPARE(GetACP(), 936u);
    wchar_t name[LOCALE_NAME_MAX_LENGTH];
    QVERIFY(GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) > 0);
    QCOMPARE(QString::fromWCharArray(name), u"zh-CN"_s);
    m_driveTarget = qEnvironmentVariable("MORVELA_WINE_DRIVE_D_TARGET");
    QVERIFY2(!m_driveTarget.isEmpty(), "run by scripts/wine-test.sh, which points drive D at a folder");
}

void WindowsPlatformTest::init() {
    // Drive D starts empty for every test.
    QDir drive(u"D:/"_s);
    if (drive.exists())
        for (const QString &name : drive.entryList(QDir::Files | QDir::Hidden))
            QVERIFY(drive.remove(name));
}

void WindowsPlatformTest::systemCodePageWriter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("日程表") << u"日程表"_s << hexBytes("C8 D5 B3 CC B1 ED 0D 0A");
    QTest::newRow("full-width colon") << u"06：00"_s << hexBytes("30 36 A3 BA 30 30 0D 0A");
    QTest::newRow("em dash") << u"便纸条—"_s << hexBytes("B1 E3 D6 BD CC F5 A1 AA 0D 0A");
    QTest::newRow("emoji") << u"a😀b"_s << QByteArray("a?b\r\n");
    QTest::newRow("Thai") << u"x\u0E01y"_s << QByteArray("x?y\r\n");
    QTest::newRow("Hangul") << u"\uD55C글"_s << QByteArray("??\r\n");
}

void WindowsPlatformTest::systemCodePageWriter() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeAnsiLine(text), bytes);
}

void WindowsPlatformTest::chineseShortDate_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    // Chinese Windows writes the short date yyyy/M/d.
    QTest::newRow("23 July 2009") << QDate(2009, 7, 23) << u"2009/7/23"_s;
    QTest::newRow("1 August 2009") << QDate(2009, 8, 1) << u"2009/8/1"_s;
    QTest::newRow("31 December 2000") << QDate(2000, 12, 31) << u"2000/12/31"_s;
}

void WindowsPlatformTest::chineseShortDate() {
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(windowsShortDate(date), text); // the environment is what the test assumes
    QCOMPARE(ShortDateText(date), text);
}

void WindowsPlatformTest::chineseTimes_data() {
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("shortTime");
    // Wine's zh-CN forms are HH:mm:ss and HH:mm (a Chinese Windows 10 has H:mm:ss and H:mm); whichever the
    // system has, the texts follow it, as Windows' own GetTimeFormatEx writes it.
    const QTime morning(9, 5, 3);
    QTest::newRow("evening") << QDateTime(QDate(2009, 7, 23), QTime(21, 27, 5)) << u"2009/7/23 21:27:05"_s
                             << u"21:27"_s;
    QTest::newRow("morning") << QDateTime(QDate(2009, 7, 23), morning)
                             << u"2009/7/23 "_s + windowsTime(morning, 0)
                             << windowsTime(morning, TIME_NOSECONDS);
    QTest::newRow("midnight is the date alone") << QDateTime(QDate(2009, 7, 24), QTime(0, 0))
                                                << u"2009/7/24"_s << windowsTime(QTime(0, 0), TIME_NOSECONDS);
}

void WindowsPlatformTest::chineseTimes() {
    QFETCH(QDateTime, moment);
    QFETCH(QString, dateTime);
    QFETCH(QString, shortTime);
    QVERIFY(!shortTime.isEmpty());
    QCOMPARE(DateTimeText(moment), dateTime);
    QCOMPARE(shortTimeText(moment.time()), shortTime);
    QCOMPARE(longTimeText(moment.time()), windowsTime(moment.time(), 0));
}

void WindowsPlatformTest::chineseDecimalSeparator() {
    QCOMPARE(localeInfo(LOCALE_SDECIMAL), u"."_s);
    QCOMPARE(NumberText(-0.5), u"-0.5"_s);
    QCOMPARE(NumberText(2.0 / 3.0), u"0.666666666666667"_s);
    QCOMPARE(StrictNumber(u" 0.5 "), std::optional<double>(0.5));
}

void WindowsPlatformTest::scheduleFileNameAndTitleUnderSlashDate() {
    const QDate today(2009, 7, 23);
    // No file name can hold "/": the name has "-" where the date has "/", the title keeps "/".
    QCOMPARE(ScheduleFileName(today), u"D:\\2009-7-23 的日程表.txt"_s);
    const QStringList lines = ScheduleFileLines(today, QDateTime(today, QTime(21, 27, 5)), {});
    QCOMPARE(lines.size(), 38);
    QCOMPARE(lines.first(), u"2009/7/23 的日程表"_s);
    QCOMPARE(lines.last(), u"制表时间： 2009/7/23 21:27:05"_s);

    // Written for real on drive D.
    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    DiskFileSystem files;
    QCOMPARE(exportLines(dialogs, files, ScheduleFileName(today), lines), ExportResult::Written);
    const QByteArray bytes = readAll(u"D:/2009-7-23 的日程表.txt"_s);
    QVERIFY2(bytes.startsWith("2009/7/23 \xB5\xC4\xC8\xD5\xB3\xCC\xB1\xED\r\n\r\n"),
             bytes.left(40).toHex(' '));
    QVERIFY2(bytes.endsWith("\r\n\xD6\xC6\xB1\xED\xCA\xB1\xBC\xE4\xA3\xBA 2009/7/23 21:27:05\r\n"),
             bytes.right(40).toHex(' '));
    QCOMPARE(bytes.count("\r\n"), 38);
}

void WindowsPlatformTest::dateQueryReadsTheRegionalShortDateFirst() {
    // "同步为今日日期" writes ShortDateText of today; every query must read it back as that day.
    for (const QDate &date : {QDate(2009, 8, 1), QDate(2000, 12, 31), QDate(2026, 12, 11), QDate(1999, 1, 9)})
        QCOMPARE(ParseQueryDate(ShortDateText(date)), std::optional<QDate>(date));
    QCOMPARE(ParseQueryDate(u"2009/8/1"), std::optional<QDate>(QDate(2009, 8, 1)));
    QCOMPARE(ParseQueryDate(u"2009-8-1"), std::optional<QDate>(QDate(2009, 8, 1)));
    QCOMPARE(ParseQueryDate(u"2009/2/29"), std::nullopt);
}

void WindowsPlatformTest::exportLandsOnDriveD() {
    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    DiskFileSystem files;
    const QString path = u"D:\\便纸条—140509.txt"_s;
    QCOMPARE(exportLines(dialogs, files, path, {u"2009/8/1 14:05:09 时创建的便纸条"_s, QString(), QString()}),
             ExportResult::Written);
    const QByteArray expected(
        "2009/8/1 14:05:09 \xCA\xB1\xB4\xB4\xBD\xA8\xB5\xC4\xB1\xE3\xD6\xBD\xCC\xF5\r\n\r\n\r\n");
    QCOMPARE(readAll(u"D:/便纸条—140509.txt"_s), expected);
    // The same bytes in the folder that Wine's drive D points at (seen through drive Z).
    QCOMPARE(readAll(m_driveTarget + u"/便纸条—140509.txt"_s), expected);
    // Nothing else was left on the drive.
    QCOMPARE(QDir(u"D:/"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{u"便纸条—140509.txt"_s});

    // A second export replaces the first file completely.
    dialogs.answer(DialogAnswer::Ok);
    QCOMPARE(exportLines(dialogs, files, path, {u"x"_s}), ExportResult::Written);
    QCOMPARE(readAll(u"D:/便纸条—140509.txt"_s), QByteArray("x\r\n"));
}

void WindowsPlatformTest::driveDStaysDriveDWhateverTheEnvironment() {
    qputenv("MORVELA_DRIVE_D", "C:/somewhere");
    const QString folder = DiskFileSystem::outputFolder();
    qunsetenv("MORVELA_DRIVE_D");
    QCOMPARE(folder, u"D:/"_s);
    QCOMPARE(DiskFileSystem::nativePath(u"D:\\本机IP地址及计算机名.txt"_s), u"D:/本机IP地址及计算机名.txt"_s);
}

void WindowsPlatformTest::missingDriveDGivesTheWarning() {
    // Drive D goes away: the folder it points at is moved aside (and put back afterwards).
    const QString away = m_driveTarget + u".away"_s;
    QVERIFY(QDir().rename(m_driveTarget, away));
    const auto restore = qScopeGuard([&] { QDir().rename(away, m_driveTarget); });
    // Windows still lists the drive (as it does an empty CD drive), but nothing can be reached on it.
    QCOMPARE(GetFileAttributesW(L"D:\\"), INVALID_FILE_ATTRIBUTES);

    FakeDialogs dialogs;
    dialogs.answer(DialogAnswer::Ok);
    DiskFileSystem files;
    QCOMPARE(exportLines(dialogs, files, u"D:\\a.txt"_s, {u"x"_s}), ExportResult::Failed);
    const QString prompt = dialogs.messages().value(0);
    QVERIFY2(prompt.startsWith(u"保存失败！"_s), qPrintable(prompt));
    QVERIFY2(prompt.contains(u"找不到D盘"_s), qPrintable(prompt));
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(QDir(away).isEmpty());
}

void WindowsPlatformTest::mailButtonLaunchesExplorerMinimized_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("Command11") << u"Command11"_s << u"explorer.exe \"http://"_s << u"/webmail/\""_s;
    QTest::newRow("Command14") << u"Command14"_s << u"explorer.exe \"http://"_s
                               << u"/cgi-bin/loginpage?from=domain\""_s;
    QTest::newRow("Command15") << u"Command15"_s
                               << u"explorer.exe \"https://www.google.com/accounts/ServiceLogin?"
                                  "service=mail&passive=true&rm=false&continue=http%3A%2F%2F"_s
                               << u"&scc=1&ltmpl=default&ltmplcache=2&hl=zh-CN\""_s;
}

void WindowsPlatformTest::mailButtonLaunchesExplorerMinimized() {
    QFETCH(QString, button);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    // The stand-in explorer.exe beside this program (found first by CreateProcessW) records how it was
    // started into this file.
    const QString record = QDir::toNativeSeparators(QDir::current().absoluteFilePath(u"launch-record.txt"_s));
    QFile::remove(record);
    QVERIFY(SetEnvironmentVariableW(L"MORVELA_LAUNCH_RECORD", reinterpret_cast<LPCWSTR>(record.utf16())));

    FakePlatform fakes;
    SystemShell shell;
    Services services{fakes.dialogs, fakes.clock, fakes.files, shell, fakes.host};
    WindowFixture f(services);
    auto *pushButton = f.find<QPushButton>(button);
    QVERIFY(pushButton);
    pushButton->click();

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(record), 30000);
    QFile file(record);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(raw.constData()), raw.size() / 2);
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    // Asked to show its window (STARTF_USESHOWWINDOW) minimized: SW_SHOWMINIMIZED.
    QCOMPARE(text.left(newline), u"1 %1"_s.arg(SW_SHOWMINIMIZED));
    const QString line = text.mid(newline + 1);
    QVERIFY2(line.startsWith(prefix), qPrintable(line));
    QVERIFY2(line.endsWith(suffix), qPrintable(line));
    QCOMPARE(line.count(QLatin1Char('"')), 2);
    QCOMPARE(fakes.dialogs.shown().size(), 0);
}

void WindowsPlatformTest::failedLaunchIsReportedToTheCaller() {
    SystemShell shell;
    QVERIFY(!shell.launch(u"no-such-program-here.exe \"http://mail.163.com/\""_s, 2));
}

// Run by its own CTest entry, with the user's forms set to d/M/yyyy, H:mm:ss, H:mm and the comma as decimal
// separator: everything follows them.
void WindowsPlatformTest::customRegionalForms() {
    if (!customFormsSet())
        QSKIP("run by the CTest entry that sets the user's regional forms");
    QCOMPARE(ShortDateText(QDate(2009, 7, 23)), u"23/7/2009"_s);
    QCOMPARE(DateTimeText(QDateTime(QDate(2009, 7, 23), QTime(9, 5, 3))), u"23/7/2009 9:05:03"_s);
    QCOMPARE(shortTimeText(QTime(9, 5, 3)), u"9:05"_s);
    // The date query reads the user's form first: 1/8/2009 is 1 August.
    QCOMPARE(ParseQueryDate(u"1/8/2009"), std::optional<QDate>(QDate(2009, 8, 1)));
    QCOMPARE(ParseQueryDate(u" 23/7/2009 "), std::optional<QDate>(QDate(2009, 7, 23)));
    QCOMPARE(ParseQueryDate(u"2009-8-1"), std::optional<QDate>(QDate(2009, 8, 1)));
    QCOMPARE(ParseQueryDate(u"31/2/2009"), std::nullopt);
    // The file name has "-" for "/", the title keeps the user's form.
    QCOMPARE(ScheduleFileName(QDate(2009, 7, 23)), u"D:\\23-7-2009 的日程表.txt"_s);
    QCOMPARE(
        ScheduleFileLines(QDate(2009, 7, 23), QDateTime(QDate(2009, 7, 23), QTime(21, 27, 5)), {}).first(),
        u"23/7/2009 的日程表"_s);
    // The decimal separator is the user's: written and read by the strict form, never by the lenient one.
    QCOMPARE(NumberText(-0.5), u"-0,5"_s);
    QCOMPARE(NumberText(2.0 / 3.0), u"0,666666666666667"_s);
    QCOMPARE(NumberText(1e15), u"1E+15"_s);
    QCOMPARE(StrictNumber(u"0,5"), std::optional<double>(0.5));
    QCOMPARE(StrictNumber(u"0.5"), std::nullopt);
    QCOMPARE(LenientNumber(u"1,5"), 1.0);
    QCOMPARE(LenientNumber(u"-.5"), -0.5);
}

QTEST_MAIN(WindowsPlatformTest)
#include "tst_windowsplatform.moc"
