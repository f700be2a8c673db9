#include "schedule/ScheduleHandlers.h"

#include "common/Controls.h"
#include "common/Export.h"
#include "common/HandlerEntry.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "schedule/ScheduleExport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

ScheduleHandlers::ScheduleHandlers(QWidget *window, Services &services)
    : QObject(window), m_services(services) {
    for (int h = 6; h <= 22; ++h)
        m_hourLabels << control<QLabel>(window, QByteArray("d" + QByteArray::number(h)).constData());
    for (int n = 2; n <= 35; ++n)
        m_boxesByNumber << control<QLineEdit>(window, QByteArray("Text" + QByteArray::number(n)).constData());
    for (int s = 0; s < ScheduleSlotCount; ++s)
        m_slotBoxes[s] = control<QLineEdit>(window, ScheduleSlots()[s].box);
    m_min0 = control<QLabel>(window, "min0");
    m_min30 = control<QLabel>(window, "min30");
    m_ks = control<QPushButton>(window, "ks");
    m_qk = control<QPushButton>(window, "qk");
    m_bc = control<QPushButton>(window, "bc");

    connectClick(m_ks, this, &ScheduleHandlers::ks_Click);
    connectClick(m_qk, this, &ScheduleHandlers::qk_Click);
    connectClick(m_bc, this, &ScheduleHandlers::bc_Click);
}

// Reveals the grid for good: the start button hides itself and nothing shows it again.
void ScheduleHandlers::ks_Click() {
    for (QLabel *label : std::as_const(m_hourLabels))
        label->show();
    for (QLineEdit *box : std::as_const(m_boxesByNumber))
        box->show();
    m_min0->show();
    m_min30->show();
    m_qk->show();
    m_bc->show();
    m_ks->hide();
}

// Empties every slot after two confirmations; a Cancel on either leaves everything as it was.
void ScheduleHandlers::qk_Click() {
    Dialogs &dialogs = m_services.dialogs;
    if (dialogs.ConfirmBox(QStringLiteral("您确定要清空日程表中的所有数据吗？"), ConfirmForm::OkCancel) !=
        DialogAnswer::Ok)
        return;
    if (dialogs.ConfirmBox(QStringLiteral("此操作无法恢复，继续吗？"), ConfirmForm::OkCancel) !=
        DialogAnswer::Ok)
        return;
    for (QLineEdit *box : std::as_const(m_boxesByNumber))
        box->setText(QString());
}

// Writes the day's schedule to "D:\<short date> 的日程表.txt". Today's date (read once, when the file is
// opened) names the file and heads it; the clock is read again for the time of writing on the last line.
void ScheduleHandlers::bc_Click() {
    QDate today;
    ExportJob job;
    job.question = QStringLiteral("您确定要保存日程表吗？");
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
    job.success = QStringLiteral("日程表已成功保存到D盘根目录！");
    runExport(m_services.dialogs, m_services.files, job);
}

} // namespace morvela
