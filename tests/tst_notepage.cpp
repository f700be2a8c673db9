// SPDX-License-Identifier: GPL-3.0-or-later
// The sticky-note page in the real window: creating, saving and deleting the note.

#include "note/StickyNotePage.h"
#include "platform/FileSystem.h"
#include "support/TestHelpers.h"
#include "support/VisibilityLog.h"
#include "support/WindowFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::gbkLines;
using morvela::test::hexBytes;
using morvela::test::WindowFixture;
using namespace morvela::stickynotepage;

namespace {

const QString SaveQuestion = u"您确定要保存便纸条吗？"_s;
const QString SaveDone = u"便纸条已成功保存到D盘根目录！"_s;
const QString DeleteQuestion = u"您确定要删除这个便纸条吗？"_s;
const QDateTime August1(QDate(2009, 8, 1), QTime(14, 5, 9));
const QString August1File = u"D:\\便纸条\u2014140509.txt"_s;
const QString August1Line = test::regional(u"2009-8-1 14:05:09 时创建的便纸条"_s);

const QStringList NoNoteShown{u"wbzt"_s, u"qhbzt"_s};
const QStringList NoteShownShown{u"ybzt"_s, u"Text36"_s, u"qkbzt"_s, u"bcbzt"_s};
const QStringList PageControls = NoNoteShown + NoteShownShown;

QPlainTextEdit *note(const WindowFixture &f) {
    return f.control<QPlainTextEdit>(NoteBox);
}

// The names of the page's controls that are not hidden.
QStringList shownControls(const WindowFixture &f) {
    QStringList out;
    for (const QString &name : PageControls)
        if (!f.control(name)->isHidden())
            out << name;
    return out;
}

// Opens the page, creates a note and types the text into it.
bool createNote(WindowFixture &f, const QString &text) {
    if (!f.showPage(Page))
        return false;
    f.press(NewButton);
    note(f)->setPlainText(text);
    return true;
}

// Records, in order, the controls shown, hidden and emptied.
QList<QWidget *> pageControls(const WindowFixture &f) {
    QList<QWidget *> out;
    for (const QString &name : PageControls)
        out << f.control(name);
    return out;
}

class PageLog : public morvela::test::VisibilityLog {
public:
    explicit PageLog(const WindowFixture &f) : VisibilityLog(pageControls(f)) {
        connect(note(f), &QPlainTextEdit::textChanged, this, [this, &f] {
            if (note(f)->toPlainText().isEmpty())
                events << u"empty Text36"_s;
        });
    }
};

} // namespace

class NotePageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithoutANote();
    void createShowsAnEmptyNote();
    void deleteAsksThenRemovesTheNote_data();
    void deleteAsksThenRemovesTheNote();
    void deleteThenCreateGivesAnEmptyNote();
    void saveWritesTheNote_data();
    void saveWritesTheNote();
    void typedLinesEndWithCrLf();
    void cancelledSaveWritesNothing_data();
    void cancelledSaveWritesNothing();
    void clockIsReadForTheNameThenForTheTimeLine();
    void laterSaveAtTheSameTimeOfDayReplacesTheFile();
    void failedSaveKeepsTheEarlierFile_data();
    void failedSaveKeepsTheEarlierFile();
    void noteSurvivesTabSwitches();
    void saveToTheDisk();
};

void NotePageTest::startsWithoutANote() {
    WindowFixture f;
    QVERIFY(f.showPage(Page));
    QCOMPARE(shownControls(f), NoNoteShown);
    QVERIFY(note(f)->toPlainText().isEmpty());
}

void NotePageTest::createShowsAnEmptyNote() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(f.showPage(Page));
    PageLog log(f);

    f.press(NewButton);

    QCOMPARE(log.events, (QStringList{u"hide wbzt"_s, u"show ybzt"_s, u"show Text36"_s, u"empty Text36"_s,
                                      u"hide qhbzt"_s, u"show qkbzt"_s, u"show bcbzt"_s}));
    QCOMPARE(shownControls(f), NoteShownShown);
    QVERIFY(note(f)->isVisible());
    QVERIFY(note(f)->toPlainText().isEmpty());
    QVERIFY(p.dialogs.shown().isEmpty());
}

void NotePageTest::deleteAsksThenRemovesTheNote_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("OK") << DialogAnswer::Ok << true;
    QTest::newRow("Cancel") << DialogAnswer::Cancel << false;
    QTest::newRow("closed without an answer") << DialogAnswer::NoAnswer << false;
}

void NotePageTest::deleteAsksThenRemovesTheNote() {
    QFETCH(DialogAnswer, answer);
    QFETCH(bool, deleted);
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(createNote(f, u"买牛奶\n取快递"_s));
    PageLog log(f);
    p.dialogs.answer(answer);

    f.press(DeleteButton);

    QCOMPARE(p.dialogs.shown().size(), 1);
    QCOMPARE(p.dialogs.shown()[0].kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(p.dialogs.shown()[0].prompt, DeleteQuestion);
    QCOMPARE(p.dialogs.shown()[0].form, ConfirmForm::OkCancel);
    if (deleted) {
        QCOMPARE(log.events, (QStringList{u"show wbzt"_s, u"hide ybzt"_s, u"hide Text36"_s, u"empty Text36"_s,
                                          u"show qhbzt"_s, u"hide qkbzt"_s, u"hide bcbzt"_s}));
        QCOMPARE(shownControls(f), NoNoteShown);
        QVERIFY(note(f)->toPlainText().isEmpty());
    } else {
        QCOMPARE(log.events, QStringList());
        QCOMPARE(shownControls(f), NoteShownShown);
        QCOMPARE(note(f)->toPlainText(), u"买牛奶\n取快递"_s);
    }
    QVERIFY(p.files.log().isEmpty());
}

void NotePageTest::deleteThenCreateGivesAnEmptyNote() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(createNote(f, u"旧的便纸条"_s));
    p.dialogs.answer(DialogAnswer::Ok);
    f.press(DeleteButton);
    f.press(NewButton);
    QCOMPARE(shownControls(f), NoteShownShown);
    QVERIFY(note(f)->toPlainText().isEmpty());

    // Saving it gives the time line and two empty lines.
    p.dialogs.answer(DialogAnswer::Ok);
    p.clock.set(August1);
    f.press(SaveButton);
    QCOMPARE(p.files.bytes(August1File), gbkLines({August1Line, QString(), QString()}));
}

void NotePageTest::saveWritesTheNote_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    // An empty note: the time line followed by three line ends in a row.
    QTest::newRow("empty") << QString() << QByteArray(gbkLines({August1Line}) + hexBytes("0D 0A 0D 0A"));
    QTest::newRow("one line") << u"下午三点开会"_s << gbkLines({August1Line, QString(), u"下午三点开会"_s});
    QTest::newRow("two lines") << u"a\nb"_s << gbkLines({August1Line, QString(), u"a"_s, u"b"_s});
    QTest::newRow("blank lines and blanks")
        << u"  a \n\n\tb\n"_s
        << gbkLines({August1Line, QString(), u"  a "_s, QString(), u"\tb"_s, QString()});
    QTest::newRow("emoji") << u"好\U0001F600的"_s << gbkLines({August1Line, QString(), u"好?的"_s});
}

void NotePageTest::saveWritesTheNote() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(createNote(f, text));
    p.clock.set(August1);
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    QCOMPARE(p.files.paths(), QStringList{August1File});
    QCOMPARE(p.files.bytes(August1File), bytes);
    QCOMPARE(p.dialogs.shown().size(), 2);
    QCOMPARE(p.dialogs.shown()[0].prompt, SaveQuestion);
    QCOMPARE(p.dialogs.shown()[0].form, ConfirmForm::OkCancel);
    QCOMPARE(p.dialogs.shown()[1].kind, FakeDialogs::Kind::Info);
    QCOMPARE(p.dialogs.shown()[1].prompt, SaveDone);
    QCOMPARE(p.dialogs.shown()[1].icon, InfoIcon::Information);
    // The note stays on the page as it was.
    QCOMPARE(shownControls(f), NoteShownShown);
    QCOMPARE(note(f)->toPlainText(), text);
}

// Lines typed with the Enter key: the text box holds them apart by LF, the file by CR LF.
void NotePageTest::typedLinesEndWithCrLf() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(createNote(f, QString()));
    note(f)->setFocus();
    QTest::keyClicks(note(f), u"ab"_s);
    QTest::keyClick(note(f), Qt::Key_Return);
    QTest::keyClicks(note(f), u"cd"_s);
    QCOMPARE(note(f)->toPlainText(), u"ab\ncd"_s);
    p.clock.set(August1);
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    QCOMPARE(p.files.bytes(August1File), gbkLines({August1Line, QString(), u"ab"_s, u"cd"_s}));
    QVERIFY(p.files.bytes(August1File).endsWith("\r\n\r\nab\r\ncd\r\n"));
}

void NotePageTest::cancelledSaveWritesNothing_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("Cancel") << DialogAnswer::Cancel;
    QTest::newRow("closed without an answer") << DialogAnswer::NoAnswer;
}

void NotePageTest::cancelledSaveWritesNothing() {
    QFETCH(DialogAnswer, answer);
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(createNote(f, u"便纸条"_s));
    p.clock.set(August1);
    p.files.put(August1File, "saved earlier");
    const int readings = p.clock.readings();
    p.dialogs.answer(answer);

    f.press(SaveButton);

    QCOMPARE(p.dialogs.prompts(), QStringList{SaveQuestion});
    QVERIFY(p.files.log().isEmpty());
    QCOMPARE(p.files.bytes(August1File), QByteArray("saved earlier"));
    QCOMPARE(p.clock.readings(), readings);
    QCOMPARE(shownControls(f), NoteShownShown);
    QCOMPARE(note(f)->toPlainText(), u"便纸条"_s);
}

// A save that straddles a second: the name from the first reading, the time line from the second.
void NotePageTest::clockIsReadForTheNameThenForTheTimeLine() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(createNote(f, u"x"_s));
    p.clock.setSequence(
        {QDateTime(QDate(2009, 8, 2), QTime(0, 0, 5)), QDateTime(QDate(2009, 8, 2), QTime(0, 0, 6))});
    const int readings = p.clock.readings();
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    QCOMPARE(p.clock.readings() - readings, 2);
    QCOMPARE(p.files.paths(), QStringList{u"D:\\便纸条\u2014000005.txt"_s});
    QCOMPARE(p.files.bytes(u"D:\\便纸条\u2014000005.txt"_s),
             gbkLines({test::regional(u"2009-8-2 0:00:06 时创建的便纸条"_s), QString(), u"x"_s}));
}

// Two notes saved at 08:00:00 on different days: one file, holding the later note.
void NotePageTest::laterSaveAtTheSameTimeOfDayReplacesTheFile() {
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(createNote(f, u"第一天的便纸条，比较长"_s));
    p.clock.set(QDateTime(QDate(2009, 8, 1), QTime(8, 0, 0)));
    p.dialogs.answer({DialogAnswer::Ok, DialogAnswer::Ok, DialogAnswer::Ok});
    f.press(SaveButton);
    f.press(DeleteButton);
    f.press(NewButton);
    note(f)->setPlainText(u"第二天"_s);
    p.clock.set(QDateTime(QDate(2009, 8, 2), QTime(8, 0, 0)));
    f.press(SaveButton);

    const QString path = u"D:\\便纸条\u2014080000.txt"_s;
    QCOMPARE(p.files.paths(), QStringList{path});
    QCOMPARE(p.files.bytes(path),
             gbkLines({test::regional(u"2009-8-2 8:00:00 时创建的便纸条"_s), QString(), u"第二天"_s}));
    QCOMPARE(p.dialogs.messages(), (QStringList{SaveDone, SaveDone}));
}

void NotePageTest::failedSaveKeepsTheEarlierFile_data() {
    QTest::addColumn<MemoryFileSystem::FailAt>("step");
    QTest::addColumn<int>("writeNumber");
    QTest::newRow("create") << MemoryFileSystem::FailAt::Create << 1;
    QTest::newRow("time line") << MemoryFileSystem::FailAt::Write << 1;
    QTest::newRow("note text") << MemoryFileSystem::FailAt::Write << 3;
    QTest::newRow("close") << MemoryFileSystem::FailAt::Commit << 1;
}

void NotePageTest::failedSaveKeepsTheEarlierFile() {
    QFETCH(MemoryFileSystem::FailAt, step);
    QFETCH(int, writeNumber);
    WindowFixture f;
    FakePlatform &p = f.platform;
    QVERIFY(createNote(f, u"便纸条"_s));
    p.clock.set(August1);
    p.files.put(August1File, "saved earlier");
    p.files.failAt(step, FileFailure::NoPermission, writeNumber);
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    QCOMPARE(p.files.bytes(August1File), QByteArray("saved earlier"));
    QCOMPARE(p.dialogs.shown().size(), 2);
    QCOMPARE(p.dialogs.shown()[1].icon, InfoIcon::Warning);
    QVERIFY(p.dialogs.shown()[1].prompt != SaveDone);
    if (step == MemoryFileSystem::FailAt::Write)
        QCOMPARE(p.files.log().last(), u"write %1"_s.arg(writeNumber));
    QCOMPARE(shownControls(f), NoteShownShown);
    QCOMPARE(note(f)->toPlainText(), u"便纸条"_s);
}

void NotePageTest::noteSurvivesTabSwitches() {
    WindowFixture f;
    QVERIFY(createNote(f, u"别忘了"_s));
    f.control<QTabWidget>("SSTab1")->setCurrentIndex(1);
    f.control<QTabWidget>("SSTab2")->setCurrentIndex(2);
    QVERIFY(!note(f)->isVisible());
    QVERIFY(f.showPage(Page));
    QVERIFY(note(f)->isVisible());
    QVERIFY(f.control<QPushButton>(SaveButton)->isVisible());
    QVERIFY(!f.control<QPushButton>(NewButton)->isVisible());
    QCOMPARE(note(f)->toPlainText(), u"别忘了"_s);
}

// The whole way down to a real file.
void NotePageTest::saveToTheDisk() {
    QTemporaryDir drive;
    QVERIFY(drive.isValid());
    const QByteArray previous = qgetenv("MORVELA_DRIVE_D");
    qputenv("MORVELA_DRIVE_D", QFile::encodeName(drive.path()));
    const auto restore = qScopeGuard([&previous] { qputenv("MORVELA_DRIVE_D", previous); });

    FakePlatform p;
    DiskFileSystem disk;
    Services services{p.dialogs, p.clock, disk, p.shell, p.host};
    WindowFixture f(services);
    QVERIFY(createNote(f, u"a\nb"_s));
    p.clock.set(August1);
    p.dialogs.answer(DialogAnswer::Ok);

    f.press(SaveButton);

    // Elsewhere the folder named by MORVELA_DRIVE_D, on Windows drive D itself.
    QFile file(QDir(DiskFileSystem::outputFolder()).filePath(u"便纸条\u2014140509.txt"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), gbkLines({August1Line, QString(), u"a"_s, u"b"_s}));
    QCOMPARE(p.dialogs.messages(), QStringList{SaveDone});
}

QTEST_MAIN(NotePageTest)
#include "tst_notepage.moc"
