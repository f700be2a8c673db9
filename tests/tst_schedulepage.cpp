// The schedule page in the real window: revealing the grid, clearing it and exporting it.

#include "app/MainWindow.h"
#include "common/Controls.h"
#include "platform/FileSystem.h"
#include "platform/fakes/FakePlatform.h"
#include "schedule/ScheduleSlot.h"
#include "support/TestHelpers.h"
#include "support/VisibilityLog.h"

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

QLineEdit *box(const QWidget &w, const QString &name) {
    return control<QLineEdit>(&w, name.toLatin1().constData());
}
QPushButton *button(const QWidget &w, const char *name) {
    return control<QPushButton>(&w, name);
}

// The grid's controls: hour labels, column headers, slot boxes, and the clear and export buttons.
QList<QWidget *> gridControls(const QWidget &w) {
    QList<QWidget *> out;
    for (const QString &name : HourLabels)
        out << control<QLabel>(&w, name.toLatin1().constData());
    for (const QString &name : BoxesByNumber)
        out << box(w, name);
    out << control<QLabel>(&w, "min0") << control<QLabel>(&w, "min30") << button(w, "qk") << button(w, "bc");
    return out;
}

// Shows the window with the schedule page in front.
bool openSchedulePage(MainWindow &w) {
    control<QTabWidget>(&w, "SSTab2")->setCurrentIndex(0);
    control<QTabWidget>(&w, "SSTab1")->setCurrentWidget(control<QWidget>(&w, "SchedulePage"));
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

void click(QPushButton *b) {
    QTest::mouseClick(b, Qt::LeftButton);
}

// Reveals the grid and puts the given entries (by slot number) into their boxes.
bool revealAndFill(MainWindow &w, const QMap<int, QString> &entries) {
    if (!openSchedulePage(w))
        return false;
    click(button(w, "ks"));
    for (auto it = entries.begin(); it != entries.end(); ++it)
        control<QLineEdit>(&w, ScheduleSlots().at(it.key()).box)->setText(it.value());
    return true;
}

QStringList allSlotTexts(const QWidget &w) {
    QStringList out;
    for (const ScheduleSlot &slot : ScheduleSlots())
        out << control<QLineEdit>(&w, slot.box)->text();
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
    FakePlatform p;
    MainWindow w(p.services);
    QVERIFY(openSchedulePage(w));
    QVERIFY(button(w, "ks")->isVisible());
    QVERIFY(control<QWidget>(&w, "Image2")->isVisible());
    for (QWidget *c : gridControls(w))
        QVERIFY2(c->isHidden(), qPrintable(c->objectName()));

    // A click where the hidden clear and export buttons lie reaches neither of them.
    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok});
    for (const char *name : {"qk", "bc"}) {
        QPushButton *hidden = button(w, name);
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, hidden->mapTo(&w, hidden->rect().center()));
    }
    QVERIFY(p.dialogs.shown().isEmpty());
    QVERIFY(p.files.log().isEmpty());
}

void SchedulePageTest::startButtonRevealsTheGridForGood() {
    FakePlatform p;
    MainWindow w(p.services);
    QVERIFY(openSchedulePage(w));
    QList<QWidget *> watched = gridControls(w);
    watched << button(w, "ks");
    VisibilityLog log(watched);

    click(button(w, "ks"));

    // Hour labels, boxes in the order of their numbers, the column headers, clear, export; then ks goes.
    QStringList expected;
    for (const QString &name :
         HourLabels + BoxesByNumber + QStringList{u"min0"_s, u"min30"_s, u"qk"_s, u"bc"_s})
        expected << u"show "_s + name;
    expected << u"hide ks"_s;
    QCOMPARE(log.events, expected);
    QVERIFY(p.dialogs.shown().isEmpty());
    QCOMPARE(allSlotTexts(w), QStringList(ScheduleSlotCount, QString()));

    // A typed entry and the grid survive a trip to other tabs; the start button never comes back.
    box(w, u"Text22"_s)->setText(u"开会"_s);
    control<QTabWidget>(&w, "SSTab1")->setCurrentIndex(2);
    control<QTabWidget>(&w, "SSTab2")->setCurrentIndex(1);
    QVERIFY(!button(w, "qk")->isVisible());
    QVERIFY(openSchedulePage(w));
    for (QWidget *c : gridControls(w))
        QVERIFY2(c->isVisible(), qPrintable(c->objectName()));
    QVERIFY(!button(w, "ks")->isVisible());
    QCOMPARE(box(w, u"Text22"_s)->text(), u"开会"_s);
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
    FakePlatform p;
    MainWindow w(p.services);
    QMap<int, QString> entries;
    if (filled)
        for (int s = 0; s < ScheduleSlotCount; ++s)
            entries.insert(s, u"事项%1"_s.arg(s));
    QVERIFY((revealAndFill(w, entries)));
    const QStringList before = allSlotTexts(w);
    QStringList changed;
    for (const QString &name : BoxesByNumber)
        connect(box(w, name), &QLineEdit::textChanged, this, [&changed, name] { changed << name; });
    p.files.put(July23File, "exported earlier");
    for (DialogAnswer a : answers)
        p.dialogs.answer(a);

    click(button(w, "qk"));

    QStringList prompts{ClearQuestion};
    if (answers.first() == DialogAnswer::Ok)
        prompts << ClearAgain;
    QCOMPARE(p.dialogs.prompts(), prompts);
    for (const FakeDialogs::Shown &shown : p.dialogs.shown()) {
        QCOMPARE(shown.kind, FakeDialogs::Kind::Confirm);
        QCOMPARE(shown.form, ConfirmForm::OkCancel);
    }
    QCOMPARE(allSlotTexts(w), emptied ? QStringList(ScheduleSlotCount, QString()) : before);
    // The boxes are emptied in the order of their numbers.
    QCOMPARE(changed, emptied && filled ? BoxesByNumber : QStringList());
    // Clearing shows and hides nothing and touches no file.
    for (QWidget *c : gridControls(w))
        QVERIFY2(c->isVisible(), qPrintable(c->objectName()));
    QVERIFY(button(w, "ks")->isHidden());
    QCOMPARE(p.files.bytes(July23File), QByteArray("exported earlier"));
    QCOMPARE(p.files.log(), QStringList());
}

void SchedulePageTest::exportWritesTheWholeSchedule() {
    FakePlatform p;
    MainWindow w(p.services);
    const QMap<int, QString> entries{{0, u"起床"_s}, {7, u"开会"_s}};
    QVERIFY((revealAndFill(w, entries)));
    const int readings = p.clock.readings();
    p.dialogs.answer(DialogAnswer::Ok);

    click(button(w, "bc"));

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
    QCOMPARE(box(w, u"Text2"_s)->text(), u"起床"_s);
    QCOMPARE(box(w, u"Text22"_s)->text(), u"开会"_s);
    QVERIFY(button(w, "bc")->isVisible());
    QVERIFY(button(w, "ks")->isHidden());
}

void SchedulePageTest::exportWithEveryBoxEmpty() {
    FakePlatform p;
    MainWindow w(p.services);
    QVERIFY((revealAndFill(w, {})));
    p.dialogs.answer(DialogAnswer::Ok);
    click(button(w, "bc"));
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
    FakePlatform p;
    MainWindow w(p.services);
    QVERIFY((revealAndFill(w, {{0, u"起床"_s}})));
    p.files.put(July23File, "exported earlier");
    const int readings = p.clock.readings();
    p.dialogs.answer(answer);

    click(button(w, "bc"));

    QCOMPARE(p.dialogs.prompts(), QStringList{ExportQuestion});
    QCOMPARE(p.files.log(), QStringList());
    QCOMPARE(p.files.bytes(July23File), QByteArray("exported earlier"));
    QCOMPARE(p.clock.readings(), readings);
}

void SchedulePageTest::secondExportTheSameDayReplacesTheFile() {
    FakePlatform p;
    MainWindow w(p.services);
    QMap<int, QString> many;
    for (int s = 0; s < ScheduleSlotCount; s += 3)
        many.insert(s, u"很长的一条安排 %1"_s.arg(s));
    QVERIFY((revealAndFill(w, many)));
    p.dialogs.answer(DialogAnswer::Ok);
    click(button(w, "bc"));

    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok, DialogAnswer::Ok});
    click(button(w, "qk"));
    box(w, u"Text35"_s)->setText(u"睡觉"_s);
    p.clock.set(QDateTime(QDate(2009, 7, 23), QTime(22, 40, 0)));
    click(button(w, "bc"));

    QCOMPARE(p.files.paths(), QStringList{July23File});
    QCOMPARE(p.files.bytes(July23File),
             expectedFile(u"2009-7-23"_s, {{33, u"睡觉"_s}}, u"2009-7-23 22:40:00"_s));
    QCOMPARE(p.dialogs.messages(), (QStringList{ExportDone, ExportDone}));
}

void SchedulePageTest::exportsOnDifferentDaysLeaveOneFileEach() {
    FakePlatform p;
    MainWindow w(p.services);
    QVERIFY((revealAndFill(w, {{0, u"起床"_s}})));
    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok});
    click(button(w, "bc"));
    p.clock.set(QDateTime(QDate(2009, 8, 1), QTime(9, 5, 3)));
    box(w, u"Text2"_s)->setText(u"跑步"_s);
    click(button(w, "bc"));

    QCOMPARE(p.files.paths(), (QStringList{July23File, u"D:\\2009-8-1 的日程表.txt"_s}));
    QCOMPARE(p.files.bytes(July23File),
             expectedFile(u"2009-7-23"_s, {{0, u"起床"_s}}, u"2009-7-23 21:27:05"_s));
    QCOMPARE(p.files.bytes(u"D:\\2009-8-1 的日程表.txt"_s),
             expectedFile(u"2009-8-1"_s, {{0, u"跑步"_s}}, u"2009-8-1 9:05:03"_s));
}

// An export that straddles midnight: today is read first (name and title), the moment afterwards.
void SchedulePageTest::clockIsReadForTheNameThenForTheLastLine() {
    FakePlatform p;
    MainWindow w(p.services);
    QVERIFY((revealAndFill(w, {{33, u"睡觉"_s}})));
    p.clock.setSequence(
        {QDateTime(QDate(2009, 7, 23), QTime(23, 59, 59)), QDateTime(QDate(2009, 7, 24), QTime(0, 0, 0))});
    const int readings = p.clock.readings();
    p.dialogs.answer(DialogAnswer::Ok);

    click(button(w, "bc"));

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
    FakePlatform p;
    MainWindow w(p.services);
    QVERIFY((revealAndFill(w, {{0, u"起床"_s}})));
    p.files.put(July23File, "exported earlier");
    p.files.failAt(step, kind, writeNumber);
    p.dialogs.answer(DialogAnswer::Ok);

    click(button(w, "bc"));

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
    QCOMPARE(box(w, u"Text2"_s)->text(), u"起床"_s);
    QVERIFY(button(w, "bc")->isVisible());
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
    MainWindow w(services);
    const QMap<int, QString> entries{{0, u"起床"_s}, {7, u"开会"_s}};
    QVERIFY((revealAndFill(w, entries)));
    p.dialogs.answer(DialogAnswer::Ok);

    click(button(w, "bc"));

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
    FakePlatform p;
    MainWindow w(p.services);
    QVERIFY((revealAndFill(w, {{0, before}})));
    QLineEdit *slot = box(w, u"Text2"_s);
    slot->setFocus();
    slot->setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(slot, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(slot->text(), after);
    QCOMPARE(slot->cursorPosition(), cursorAfter);

    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok});
    click(button(w, "bc"));
    QCOMPARE(p.files.bytes(July23File), expectedFile(u"2009-7-23"_s, {{0, after}}, u"2009-7-23 21:27:05"_s));
}

QTEST_MAIN(SchedulePageTest)
#include "tst_schedulepage.moc"
