// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule page in the real window: revealing the grid, clearing it and exporting it.

#include "platform/FileSystem.h"
#include "schedule/SchedulePage.h"
#include "schedule/ScheduleSlot.h"
#include "support/TestHelpers.h"
#include "support/VisibilityLog.h"
#include "support/WindowFixture.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace morvela;
using morvela::test::VisibilityLog;
using namespace Qt::StringLiterals;
using morvela::test::gbkLines;
using morvela::test::WindowFixture;
using namespace morvela::schedulepage;

namespace {

const QString ExportQuestion = u"您确定要保存日程表吗？"_s;
const QString ExportDone = u"日程表已成功保存到D盘根目录！"_s;
const QString ClearQuestion = u"您确定要清空日程表中的所有数据吗？"_s;
const QString ClearAgain = u"此操作无法恢复，继续吗？"_s;
const QString July23File = u"D:\\2009-7-23 的日程表.txt"_s;
const QDateTime Evening(QDate(2009, 7, 23), QTime(21, 27, 5));

const QStringList TimeTexts = {
    u"06：00"_s, u"06：30"_s, u"07：00"_s, u"07：30"_s, u"08：00"_s, u"08：30"_s, u"09：00"_s,
    u"09：30"_s, u"10：00"_s, u"10：30"_s, u"11：00"_s, u"11：30"_s, u"12：00"_s, u"12：30"_s,
    u"13：00"_s, u"13：30"_s, u"14：00"_s, u"14：30"_s, u"15：00"_s, u"15：30"_s, u"16：00"_s,
    u"16：30"_s, u"17：00"_s, u"17：30"_s, u"18：00"_s, u"18：30"_s, u"19：00"_s, u"19：30"_s,
    u"20：00"_s, u"20：30"_s, u"21：00"_s, u"21：30"_s, u"22：00"_s, u"22：30"_s,
};

// The expected file: title, empty line, one line per slot (entries by slot number), empty line, last line.
QByteArray expectedFile(const QString &date, const QMap<int, QString> &entries, const QString &written) {
    QStringList lines{test::regional(date) + u" 的日程表"_s, QString()};
    for (int s = 0; s < TimeTexts.size(); ++s)
        lines << TimeTexts[s] + u"    "_s + entries.value(s);
    lines << QString() << u"制表时间： "_s + test::regional(written);
    return gbkLines(lines);
}

QStringList names(const char *prefix, int first, int last) {
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << QString::fromLatin1(prefix) + QString::number(n);
    return out;
}

const QStringList HourLabels = names("d", 6, 22);
const QStringList BoxesByNumber = names("Text", 2, 35);

// The grid's controls: hour labels, column headers, slot boxes, and the clear and export buttons.
QList<QWidget *> gridControls(const WindowFixture &f) {
    QList<QWidget *> out;
    for (const QString &name : HourLabels)
        out << f.control<QLabel>(name);
    for (const QString &name : BoxesByNumber)
        out << f.control<QLineEdit>(name);
    out << f.control<QLabel>(FullHourHeader) << f.control<QLabel>(HalfHourHeader)
        << f.control<QPushButton>(ClearButton) << f.control<QPushButton>(SaveButton);
    return out;
}

// Opens the page, reveals the grid and puts the given entries (by slot number) into their boxes.
bool revealAndFill(WindowFixture &f, const QMap<int, QString> &entries) {
    if (!f.showPage(Page))
        return false;
    f.press(StartButton);
    for (auto it = entries.begin(); it != entries.end(); ++it)
        f.control<QLineEdit>(scheduleSlots().at(it.key()).box)->setText(it.value());
    return true;
}

QStringList allSlotTexts(const WindowFixture &f) {
    QStringList out;
    for (const ScheduleSlot &slot : scheduleSlots())
        out << f.control<QLineEdit>(slot.box)->text();
    return out;
}

} // namespace

class SchedulePageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startShowsOnlyTheStartButton();
    void startButtonRevealsTheGridForGood();
    void clearAsksTwiceThenEmpties_data();
    void clearAsksTwiceThenEmpties();
    void exportWritesTheWholeSchedule();
    void exportWithEveryBoxEmpty();
    void cancelledExportWritesNothing_data();
    void cancelledExportWritesNothing();
    void secondExportTheSameDayReplacesTheFile();
    void exportsOnDifferentDaysLeaveOneFileEach();
    void clockIsReadForTheNameThenForTheLastLine();
    void failedExportKeepsTheEarlierFile_data();
    void failedExportKeepsTheEarlierFile();
    void exportToTheDisk();
    void pastedLineBreaksStayOutOfTheSlot_data();
    void pastedLineBreaksStayOutOfTheSlot();
};

void SchedulePageTest::startShowsOnlyTheStartButton() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(f.showPage(Page));
    QVERIFY(f.control<QPushButton>(StartButton)->isVisible());
    QVERIFY(f.control<QWidget>("Image2")->isVisible());
    for (QWidget *c : gridControls(f))
        QVERIFY2(c->isHidden(), qPrintable(c->objectName()));

    // A click where the hidden clear and export buttons lie reaches neither of them.
    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok});
    for (QLatin1String name : {ClearButton, SaveButton}) {
        QPushButton *hidden = f.control<QPushButton>(name);
        QTest::mouseClick(f.window.windowHandle(), Qt::LeftButton, {},
                          hidden->mapTo(&f.window, hidden->rect().center()));
    }
    QVERIFY(p.dialogs.shown().isEmpty());
    QVERIFY(p.files.log().isEmpty());
}

void SchedulePageTest::startButtonRevealsTheGridForGood() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(f.showPage(Page));
    QList<QWidget *> watched = gridControls(f);
    watched << f.control<QPushButton>(StartButton);
    VisibilityLog log(watched);

    f.press(StartButton);

    // Hour labels, boxes in the order of their numbers, the column headers, clear, export; then ks goes.
    QStringList expected;
    for (const QString &name :
         HourLabels + BoxesByNumber + QStringList{u"min0"_s, u"min30"_s, u"qk"_s, u"bc"_s})
        expected << u"show "_s + name;
    expected << u"hide ks"_s;
    QCOMPARE(log.events, expected);
    QVERIFY(p.dialogs.shown().isEmpty());
    QCOMPARE(allSlotTexts(f), QStringList(ScheduleSlotCount, QString()));

    // A typed entry and the grid survive a trip to other tabs; the start button never comes back.
    f.control<QLineEdit>(u"Text22"_s)->setText(u"开会"_s);
    f.control<QTabWidget>("SSTab1")->setCurrentIndex(2);
    f.control<QTabWidget>("SSTab2")->setCurrentIndex(1);
    QVERIFY(!f.control<QPushButton>(ClearButton)->isVisible());
    QVERIFY(f.showPage(Page));
    for (QWidget *c : gridControls(f))
        QVERIFY2(c->isVisible(), qPrintable(c->objectName()));
    QVERIFY(!f.control<QPushButton>(StartButton)->isVisible());
    QCOMPARE(f.control<QLineEdit>(u"Text22"_s)->text(), u"开会"_s);
}

void SchedulePageTest::clearAsksTwiceThenEmpties_data() {
    QTest::addColumn<QList<DialogAnswer>>("answers");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("OK, OK") << QList<DialogAnswer>{DialogAnswer::Ok, DialogAnswer::Ok} << true << true;
    QTest::newRow("OK, Cancel") << QList<DialogAnswer>{DialogAnswer::Ok, DialogAnswer::Cancel} << true
                                << false;
    QTest::newRow("Cancel") << QList<DialogAnswer>{DialogAnswer::Cancel} << true << false;
    QTest::newRow("closed without an answer") << QList<DialogAnswer>{DialogAnswer::NoAnswer} << true << false;
    QTest::newRow("already empty, OK, OK")
        << QList<DialogAnswer>{DialogAnswer::Ok, DialogAnswer::Ok} << false << true;
}

void SchedulePageTest::clearAsksTwiceThenEmpties() {
    QFETCH(QList<DialogAnswer>, answers);
    QFETCH(bool, filled);
    QFETCH(bool, emptied);
    WindowFixture f;
    FakePlatform &p = f.platform;
    QMap<int, QString> entries;
    if (filled)
        for (int s = 0; s < ScheduleSlotCount; ++s)
            entries.insert(s, u"事项%1"_s.arg(s));
    QVERIFY((revealAndFill(f, entries)));
    const QStringList before = allSlotTexts(f);
    QStringList changed;
    for (const QString &name : BoxesByNumber)
        connect(f.control<QLineEdit>(name), &QLineEdit::textChanged, this,
                [&changed, name] { changed << name; });
    p.files.put(July23File, "exported earlier");
    for (DialogAnswer a : answers)
        p.dialogs.answer(a);

    f.press(ClearButton);

    QStringList prompts{ClearQuestion};
    if (answers.first() == DialogAnswer::Ok)
        prompts << ClearAgain;
    QCOMPARE(p.dialogs.prompts(), prompts);
    for (const FakeDialogs::Shown &shown : p.dialogs.shown()) {
        QCOMPARE(shown.kind, FakeDialogs::Kind::Confirm);
        QCOMPARE(shown.form, ConfirmForm::OkCancel);
    }
    QCOMPARE(allSlotTexts(f), emptied ? QStringList(ScheduleSlotCount, QString()) : before);
    // The boxes are emptied in the order of their numbers.
    QCOMPARE(changed, emptied && filled ? BoxesByNumber : QStringList());
    // Clearing shows and hides nothing and touches no file.
    for (QWidget *c : gridControls(f))
        QVERIFY2(c->isVisible(), qPrintable(c->objectName()));
    QVERIFY(f.control<QPushButton>(StartButton)->isHidden());
    QCOMPARE(p.files.bytes(July23File), QByteArray("exported earlier"));
    QCOMPARE(p.files.log(), QStringList());
}

void SchedulePageTest::exportWritesTheWholeSchedule() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    const QMap<int, QString> entries{{0, u"起床"_s}, {7, u"开会"_s}};
    QVERIFY((revealAndFill(f, entries)));
    const int readings = p.clock.readings();
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    QCOMPARE(p.files.paths(), QStringList{July23File});
    QCOMPARE(p.files.bytes(July23File), expectedFile(u"2009-7-23"_s, entries, u"2009-7-23 21:27:05"_s));
    QCOMPARE(p.dialogs.shown().size(), 2);
    QCOMPARE(p.dialogs.shown()[0].kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(p.dialogs.shown()[0].prompt, ExportQuestion);
    QCOMPARE(p.dialogs.shown()[0].form, ConfirmForm::OkCancel);
    QCOMPARE(p.dialogs.shown()[1].kind, FakeDialogs::Kind::Info);
    QCOMPARE(p.dialogs.shown()[1].prompt, ExportDone);
    QCOMPARE(p.dialogs.shown()[1].icon, InfoIcon::Information);
    QCOMPARE(p.clock.readings() - readings, 2);
    // The page is left as it was.
    QCOMPARE(f.control<QLineEdit>(u"Text2"_s)->text(), u"起床"_s);
    QCOMPARE(f.control<QLineEdit>(u"Text22"_s)->text(), u"开会"_s);
    QVERIFY(f.control<QPushButton>(SaveButton)->isVisible());
    QVERIFY(f.control<QPushButton>(StartButton)->isHidden());
}

void SchedulePageTest::exportWithEveryBoxEmpty() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY((revealAndFill(f, {})));
    p.dialogs.answer(DialogAnswer::Ok);
    f.press(SaveButton);
    QCOMPARE(p.files.bytes(July23File), expectedFile(u"2009-7-23"_s, {}, u"2009-7-23 21:27:05"_s));
    QCOMPARE(p.dialogs.messages(), QStringList{ExportDone});
}

void SchedulePageTest::cancelledExportWritesNothing_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("Cancel") << DialogAnswer::Cancel;
    QTest::newRow("closed without an answer") << DialogAnswer::NoAnswer;
}

void SchedulePageTest::cancelledExportWritesNothing() {
    QFETCH(DialogAnswer, answer);
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY((revealAndFill(f, {{0, u"起床"_s}})));
    p.files.put(July23File, "exported earlier");
    const int readings = p.clock.readings();
    p.dialogs.answer(answer);

    f.press(SaveButton);

    QCOMPARE(p.dialogs.prompts(), QStringList{ExportQuestion});
    QCOMPARE(p.files.log(), QStringList());
    QCOMPARE(p.files.bytes(July23File), QByteArray("exported earlier"));
    QCOMPARE(p.clock.readings(), readings);
}

void SchedulePageTest::secondExportTheSameDayReplacesTheFile() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QMap<int, QString> many;
    for (int s = 0; s < ScheduleSlotCount; s += 3)
        many.insert(s, u"很长的一条安排 %1"_s.arg(s));
    QVERIFY((revealAndFill(f, many)));
    p.dialogs.answer(DialogAnswer::Ok);
    f.press(SaveButton);

    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok, DialogAnswer::Ok});
    f.press(ClearButton);
    f.control<QLineEdit>(u"Text35"_s)->setText(u"睡觉"_s);
    p.clock.set(QDateTime(QDate(2009, 7, 23), QTime(22, 40, 0)));
    f.press(SaveButton);

    QCOMPARE(p.files.paths(), QStringList{July23File});
    QCOMPARE(p.files.bytes(July23File),
             expectedFile(u"2009-7-23"_s, {{33, u"睡觉"_s}}, u"2009-7-23 22:40:00"_s));
    QCOMPARE(p.dialogs.messages(), (QStringList{ExportDone, ExportDone}));
}

void SchedulePageTest::exportsOnDifferentDaysLeaveOneFileEach() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY((revealAndFill(f, {{0, u"起床"_s}})));
    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok});
    f.press(SaveButton);
    p.clock.set(QDateTime(QDate(2009, 8, 1), QTime(9, 5, 3)));
    f.control<QLineEdit>(u"Text2"_s)->setText(u"跑步"_s);
    f.press(SaveButton);

    QCOMPARE(p.files.paths(), (QStringList{July23File, u"D:\\2009-8-1 的日程表.txt"_s}));
    QCOMPARE(p.files.bytes(July23File),
             expectedFile(u"2009-7-23"_s, {{0, u"起床"_s}}, u"2009-7-23 21:27:05"_s));
    QCOMPARE(p.files.bytes(u"D:\\2009-8-1 的日程表.txt"_s),
             expectedFile(u"2009-8-1"_s, {{0, u"跑步"_s}}, u"2009-8-1 9:05:03"_s));
}

// An export that straddles midnight: today is read first (name and title), the moment afterwards.
void SchedulePageTest::clockIsReadForTheNameThenForTheLastLine() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY((revealAndFill(f, {{33, u"睡觉"_s}})));
    p.clock.setSequence(
        {QDateTime(QDate(2009, 7, 23), QTime(23, 59, 59)), QDateTime(QDate(2009, 7, 24), QTime(0, 0, 0))});
    const int readings = p.clock.readings();
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    QCOMPARE(p.clock.readings() - readings, 2);
    QCOMPARE(p.files.paths(), QStringList{July23File});
    QCOMPARE(p.files.bytes(July23File), expectedFile(u"2009-7-23"_s, {{33, u"睡觉"_s}}, u"2009-7-24"_s));
}

void SchedulePageTest::failedExportKeepsTheEarlierFile_data() {
    QTest::addColumn<MemoryFileSystem::FailAt>("step");
    QTest::addColumn<int>("writeNumber");
    QTest::addColumn<FileFailure>("kind");
    QTest::newRow("no drive") << MemoryFileSystem::FailAt::Create << 1 << FileFailure::NoDrive;
    QTest::newRow("read-only") << MemoryFileSystem::FailAt::Create << 1 << FileFailure::NoPermission;
    QTest::newRow("first line") << MemoryFileSystem::FailAt::Write << 1 << FileFailure::DiskFull;
    QTest::newRow("a slot line") << MemoryFileSystem::FailAt::Write << 20 << FileFailure::DiskFull;
    QTest::newRow("last line") << MemoryFileSystem::FailAt::Write << 38 << FileFailure::Other;
    QTest::newRow("close") << MemoryFileSystem::FailAt::Commit << 1 << FileFailure::DiskFull;
}

void SchedulePageTest::failedExportKeepsTheEarlierFile() {
    QFETCH(MemoryFileSystem::FailAt, step);
    QFETCH(int, writeNumber);
    QFETCH(FileFailure, kind);
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY((revealAndFill(f, {{0, u"起床"_s}})));
    p.files.put(July23File, "exported earlier");
    p.files.failAt(step, kind, writeNumber);
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    QCOMPARE(p.files.bytes(July23File), QByteArray("exported earlier"));
    QCOMPARE(p.dialogs.shown().size(), 2);
    QCOMPARE(p.dialogs.shown()[1].kind, FakeDialogs::Kind::Info);
    QCOMPARE(p.dialogs.shown()[1].icon, InfoIcon::Warning);
    QVERIFY(p.dialogs.shown()[1].prompt != ExportDone);
    QVERIFY(p.dialogs.shown()[1].prompt.contains(July23File));
    // The export stops at the failing step.
    const QStringList log = p.files.log();
    if (step == MemoryFileSystem::FailAt::Write)
        QCOMPARE(log.last(), u"write %1"_s.arg(writeNumber));
    QCOMPARE(log.filter(u"commit"_s).size(), step == MemoryFileSystem::FailAt::Commit ? 1 : 0);
    // Nothing on the page changes.
    QCOMPARE(f.control<QLineEdit>(u"Text2"_s)->text(), u"起床"_s);
    QVERIFY(f.control<QPushButton>(SaveButton)->isVisible());
}

// The whole way down to a real file.
void SchedulePageTest::exportToTheDisk() {
    QTemporaryDir drive;
    QVERIFY(drive.isValid());
    const QByteArray previous = qgetenv("MORVELA_DRIVE_D");
    qputenv("MORVELA_DRIVE_D", QFile::encodeName(drive.path()));
    const auto restore = qScopeGuard([&previous] { qputenv("MORVELA_DRIVE_D", previous); });

    FakePlatform p;
    DiskFileSystem disk;
    Services services{p.dialogs, p.clock, disk, p.shell, p.host};
    WindowFixture f(services);
    const QMap<int, QString> entries{{0, u"起床"_s}, {7, u"开会"_s}};
    QVERIFY((revealAndFill(f, entries)));
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    // Elsewhere the folder named by MORVELA_DRIVE_D, on Windows drive D itself (empty for each test run).
    const QString folder = DiskFileSystem::outputFolder();
    QFile file(QDir(folder).filePath(u"2009-7-23 的日程表.txt"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expectedFile(u"2009-7-23"_s, entries, u"2009-7-23 21:27:05"_s));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"2009-7-23 的日程表.txt"_s});
    QCOMPARE(p.dialogs.messages(), QStringList{ExportDone});
}

void SchedulePageTest::pastedLineBreaksStayOutOfTheSlot_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter"); // just after what was pasted, as with any paste
    QTest::newRow("one line") << QString() << 0 << u"开会"_s << u"开会"_s << 2;
    QTest::newRow("CR LF: the first line") << QString() << 0 << u"开会\r\n带电脑"_s << u"开会"_s << 2;
    QTest::newRow("LF: the first line") << QString() << 0 << u"开会\n带电脑\n"_s << u"开会"_s << 2;
    QTest::newRow("lone CR") << QString() << 0 << u"开会\r带电脑"_s << u"开会"_s << 2;
    QTest::newRow("into typed text, which stays") << u"去开"_s << 1 << u"公司\r\n会"_s << u"去公司开"_s << 3;
    QTest::newRow("starts with a break") << u"跑步"_s << 2 << u"\n晨练"_s << u"跑步"_s << 2;
    QTest::newRow("at the start of typed text") << u"开会"_s << 0 << u"九点\n十点"_s << u"九点开会"_s << 2;
}

// A slot box holds one line: pasted text keeps its first line, so the file keeps 38 lines ended by CR LF.
void SchedulePageTest::pastedLineBreaksStayOutOfTheSlot() {
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(int, cursorAfter);
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY((revealAndFill(f, {{0, before}})));
    QLineEdit *slot = f.control<QLineEdit>(u"Text2"_s);
    slot->setFocus();
    slot->setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(slot, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(slot->text(), after);
    QCOMPARE(slot->cursorPosition(), cursorAfter);

    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok});
    f.press(SaveButton);
    QCOMPARE(p.files.bytes(July23File), expectedFile(u"2009-7-23"_s, {{0, after}}, u"2009-7-23 21:27:05"_s));
}

QTEST_MAIN(SchedulePageTest)
#include "tst_schedulepage.moc"
