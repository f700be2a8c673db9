// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/NoteHandlers.h"

#include "common/Controls.h"
#include "common/Export.h"
#include "common/HandlerEntry.h"
#include "note/NoteFile.h"
#include "note/StickyNotePage.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace morvela {

NoteHandlers::NoteHandlers(QWidget *page, Services &services)
    : QObject(page), m_services(services),
      m_emptyPicture(control<QLabel>(page, stickynotepage::EmptyPicture)),
      m_cardPicture(control<QLabel>(page, stickynotepage::CardPicture)),
      m_noteBox(control<QPlainTextEdit>(page, stickynotepage::NoteBox)),
      m_newButton(control<QPushButton>(page, stickynotepage::NewButton)),
      m_saveButton(control<QPushButton>(page, stickynotepage::SaveButton)),
      m_deleteButton(control<QPushButton>(page, stickynotepage::DeleteButton)) {
    connectClick(m_newButton, this, &NoteHandlers::qhbzt_Click);
    connectClick(m_saveButton, this, &NoteHandlers::bcbzt_Click);
    connectClick(m_deleteButton, this, &NoteHandlers::qkbzt_Click);
}

// Puts an empty note card on the page.
void NoteHandlers::qhbzt_Click() {
    m_emptyPicture->hide();
    m_cardPicture->show();
    m_noteBox->show();
    m_noteBox->setPlainText(QString());
    m_newButton->hide();
    m_deleteButton->show();
    m_saveButton->show();
}

// Saves the note to "D:\便纸条—hhmmss.txt". The clock is read once for the name and again for the time
// line, so the two can differ by a second.
void NoteHandlers::bcbzt_Click() {
    ExportJob job;
    job.question = u"您确定要保存便纸条吗？"_s;
    job.prepare = [this] { return NoteFileName(m_services.clock.now().time()); };
    job.lines = [this] {
        const QDateTime moment = m_services.clock.now();
        return NoteFileLines(moment, m_noteBox->toPlainText());
    };
    job.success = u"便纸条已成功保存到D盘根目录！"_s;
    runExport(m_services.dialogs, m_services.files, job);
}

// Takes the note off the page after a confirmation; its text is gone for good.
void NoteHandlers::qkbzt_Click() {
    if (m_services.dialogs.ConfirmBox(u"您确定要删除这个便纸条吗？"_s, ConfirmForm::OkCancel) !=
        DialogAnswer::Ok)
        return;
    m_emptyPicture->show();
    m_cardPicture->hide();
    m_noteBox->hide();
    m_noteBox->setPlainText(QString());
    m_newButton->show();
    m_deleteButton->hide();
    m_saveButton->hide();
}

} // namespace morvela
