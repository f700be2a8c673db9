// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a PNG of the window on every page into the folder given on the command line: each tab of the
// outer and inner tab controls, the schedule page with its grid shown and the note page with a note.
// The window runs on the fake platform with the clock standing at 2009-07-23 21:27. Controls are shown,
// hidden and filled here directly, as the page handlers and the user would.

#include "app/MainWindow.h"
#include "note/StickyNotePage.h"
#include "platform/fakes/FakePlatform.h"
#include "schedule/SchedulePage.h"
#include "schedule/ScheduleSlot.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextStream>

#include <cstdio>

using namespace morvela;
using namespace Qt::StringLiterals;

namespace {

QWidget *find(const QWidget &window, const QString &name) {
    QWidget *widget = window.findChild<QWidget *>(name);
    if (!widget) {
        std::fprintf(stderr, "morvela-snapshot: the window has no control %s\n", qPrintable(name));
        std::exit(2);
    }
    return widget;
}

void setShown(const QWidget &window, const QStringList &names, bool shown) {
    for (const QString &name : names)
        find(window, name)->setVisible(shown);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvela-snapshot OUTPUT_FOLDER\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(u"."_s)) {
        std::fprintf(stderr, "morvela-snapshot: cannot create %s\n", argv[1]);
        return 1;
    }

    FakePlatform platform;
    platform.clock.set(QDateTime(QDate(2009, 7, 23), QTime(21, 27)));
    MainWindow window(platform.services);
    window.buildAllPages(); // every page at once: the tool reaches into pages before it shows them
    window.show();

    auto *outer = qobject_cast<QTabWidget *>(find(window, u"SSTab2"_s));
    auto *schedule = qobject_cast<QTabWidget *>(find(window, u"SSTab1"_s));
    auto *tools = qobject_cast<QTabWidget *>(find(window, u"SSTab3"_s));
    if (!outer || !schedule || !tools)
        return 2;

    int failures = 0;
    QStringList written;
    auto shoot = [&](const QString &name) {
        QCoreApplication::processEvents();
        const QString path = folder.filePath(name + u".png"_s);
        if (window.grab().save(path))
            written.append(path);
        else
            ++failures;
    };

    struct Side {
        int outerIndex;
        QTabWidget *inner;
    };
    for (const Side &side : {Side{0, schedule}, Side{1, tools}}) {
        outer->setCurrentIndex(side.outerIndex);
        for (int i = 0; i < side.inner->count(); ++i) {
            side.inner->setCurrentIndex(i);
            shoot(u"%1-%2-%3"_s.arg(side.outerIndex + 1).arg(i + 1).arg(side.inner->widget(i)->objectName()));
        }
    }
    outer->setCurrentIndex(2);
    shoot(u"3-"_s + outer->widget(2)->objectName());

    // The schedule page with its grid shown, as the start button leaves it.
    outer->setCurrentIndex(0);
    schedule->setCurrentIndex(1);
    {
        using namespace schedulepage;
        QStringList grid{FullHourHeader, HalfHourHeader, ClearButton, SaveButton};
        for (int hour = FirstHour; hour <= LastHour; ++hour)
            grid.append(hourLabel(hour));
        for (const ScheduleSlot &slot : scheduleSlots())
            grid.append(QString::fromLatin1(slot.box));
        setShown(window, grid, true);
        setShown(window, {StartButton}, false);
    }
    // Typed entries show whether a slot's text fits its box: the first slot and the last.
    if (auto *first = window.findChild<QLineEdit *>(QString::fromLatin1(scheduleSlots().front().box)))
        first->setText(u"晨练 Morning run"_s);
    if (auto *last = window.findChild<QLineEdit *>(QString::fromLatin1(scheduleSlots().back().box)))
        last->setText(u"写日记，准备明天的会议"_s);
    shoot(u"1-2-SchedulePage-grid"_s);

    // The note page with a note, as the create button leaves it.
    schedule->setCurrentIndex(4);
    {
        using namespace stickynotepage;
        setShown(window, {EmptyPicture, NewButton}, false);
        setShown(window, {CardPicture, NoteBox, DeleteButton, SaveButton}, true);
    }
    if (auto *note = window.findChild<QPlainTextEdit *>(QString(stickynotepage::NoteBox)))
        note->setPlainText(u"下午三点开会\n记得带上报告"_s);
    shoot(u"1-5-StickyNotePage-note"_s);

    QTextStream out(stdout);
    for (const QString &path : written)
        out << path << '\n';
    return failures == 0 ? 0 : 1;
}
