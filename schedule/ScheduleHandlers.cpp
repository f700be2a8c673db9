// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ScheduleHandlers.h"

#include "common/Controls.h"
#include "common/Export.h"
#include "common/HandlerEntry.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "schedule/ScheduleExport.h"
#include "schedule/SchedulePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace morvela {

ScheduleHandlers::ScheduleHandlers(QWidget *page, Services &services) : QObject(page), m_services(services) {
    using namespace schedulepage;
    for (int h = FirstHour; h <= LastHour; ++h)
        m_hourLabels << control<QLabel>(page, hourLabel(h));
    // By number: the left column (the full hours, Text2 ... Text18), then the right one (Text19 ... Text35).
    for (int s = 0; s < ScheduleSlotCount; s += 2)
        m_boxesByNumber << control<QLineEdit>(page, scheduleSlots()[s].box);
    for (int s = 1; s < ScheduleSlotCount; s += 2)
        m_boxesByNumber << control<QLineEdit>(page, scheduleSlots()[s].box);
    for (int s = 0; s < ScheduleSlotCount; ++s)
        m_slotBoxes[s] = control<QLineEdit>(page, scheduleSlots()[s].box);
    m_fullHourHeader = control<QLabel>(page, FullHourHeader);
    m_halfHourHeader = control<QLabel>(page, HalfHourHeader);
    m_startButton = control<QPushButton>(page, StartButton);
    m_clearButton = control<QPushButton>(page, ClearButton);
    m_saveButton = control<QPushButton>(page, SaveButton);

    connectClick(m_startButton, this, &ScheduleHandlers::ks_Click);
    connectClick(m_clearButton, this, &ScheduleHandlers::qk_Click);
    connectClick(m_saveButton, this, &ScheduleHandlers::bc_Click);
}

// Reveals the grid for good: the start button hides itself and nothing shows it again.
void ScheduleHandlers::ks_Click() {
    for (QLabel *label : std::as_const(m_hourLabels))
        label->show();
    for (QLineEdit *box : std::as_const(m_boxesByNumber))
        box->show();
    m_fullHourHeader->show();
    m_halfHourHeader->show();
    m_clearButton->show();
    m_saveButton->show();
    m_startButton->hide();
}

// Empties every slot after two confirmations; a Cancel on either leaves everything as it was.
void ScheduleHandlers::qk_Click() {
    Dialogs &dialogs = m_services.dialogs;
    if (dialogs.ConfirmBox(u"您确定要清空日程表中的所有数据吗？"_s, ConfirmForm::OkCancel) !=
        DialogAnswer::Ok)
        return;
    if (dialogs.ConfirmBox(u"此操作无法恢复，继续吗？"_s, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return;
    for (QLineEdit *box : std::as_const(m_boxesByNumber))
        box->setText(QString());
}

// Writes the day's schedule to "D:\<short date> 的日程表.txt". Today's date (read once, when the file is
// opened) names the file and heads it; the clock is read again for the time of writing on the last line.
void ScheduleHandlers::bc_Click() {
    QDate today;
    ExportJob job;
    job.question = u"您确定要保存日程表吗？"_s;
    job.prepare = [this, &today] {
        today = m_services.clock.today();
        return ScheduleFileName(today);
    };
    job.lines = [this, &today] {
        QStringList texts;
        texts.reserve(ScheduleSlotCount);
        for (const QLineEdit *box : m_slotBoxes)
            texts << box->text();
        const QDateTime moment = m_services.clock.now();
        return ScheduleFileLines(today, moment, texts);
    };
    job.success = u"日程表已成功保存到D盘根目录！"_s;
    runExport(m_services.dialogs, m_services.files, job);
}

} // namespace morvela
