#include "note/NoteHandlers.h"

#include "common/Controls.h"
#include "common/Export.h"
#include "common/HandlerEntry.h"
#include "note/NoteFile.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

NoteHandlers::NoteHandlers(QWidget *window, Services &services)
    : QObject(window), m_services(services), m_wbzt(control<QLabel>(window, "wbzt")),
      m_ybzt(control<QLabel>(window, "ybzt")), m_text36(control<QPlainTextEdit>(window, "Text36")),
      m_qhbzt(control<QPushButton>(window, "qhbzt")), m_bcbzt(control<QPushButton>(window, "bcbzt")),
      m_qkbzt(control<QPushButton>(window, "qkbzt")) {
    connectClick(m_qhbzt, this, &NoteHandlers::qhbzt_Click);
    connectClick(m_bcbzt, this, &NoteHandlers::bcbzt_Click);
    connectClick(m_qkbzt, this, &NoteHandlers::qkbzt_Click);
}

// Puts an empty note card on the page.
void NoteHandlers::qhbzt_Click() {
    m_wbzt->hide();
    m_ybzt->show();
    m_text36->show();
    m_text36->setPlainText(QString());
    m_qhbzt->hide();
    m_qkbzt->show();
    m_bcbzt->show();
}

// Saves the note to "D:\便纸条—hhmmss.txt". The clock is read once for the name and again for the time
// line, so the two can differ by a second.
void NoteHandlers::bcbzt_Click() {
    ExportJob job;
    job.question = QStringLiteral("您确定要保存便纸条吗？");
    job.prepare = [this] { return NoteFileName(m_services.clock.now().time()); };
    job.lines = [this] {
        const QDateTime moment = m_services.clock.now();
        return NoteFileLines(moment, m_text36->toPlainText());
    };
    job.success = QStringLiteral("便纸条已成功保存到D盘根目录！");
    runExport(m_services.dialogs, m_services.files, job);
}

// Takes the note off the page after a confirmation; its text is gone for good.
void NoteHandlers::qkbzt_Click() {
    if (m_services.dialogs.ConfirmBox(QStringLiteral("您确定要删除这个便纸条吗？"), ConfirmForm::OkCancel) !=
        DialogAnswer::Ok)
        return;
    m_wbzt->show();
    m_ybzt->hide();
    m_text36->hide();
    m_text36->setPlainText(QString());
    m_qhbzt->show();
    m_qkbzt->hide();
    m_bcbzt->hide();
}

} // namespace morvela
