// SPDX-License-Identifier: GPL-3.0-or-later
#include "verbs/VerbSearchHandlers.h"

#include "common/AppTexts.h"
#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "verbs/IrregularVerbTable.h"
#include "verbs/VerbLookupPage.h"
#include "verbs/VerbSearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

VerbSearchHandlers::VerbSearchHandlers(QWidget *page, Services &services)
    : QObject(page), m_services(services), m_verbBox(control<QLineEdit>(page, verblookuppage::VerbBox)),
      m_formsResult(control<QLabel>(page, verblookuppage::FormsResult)),
      m_meaningResult(control<QLabel>(page, verblookuppage::MeaningResult)) {
    connectClick(control<QPushButton>(page, verblookuppage::SearchButton), this,
                 &VerbSearchHandlers::Command26_Click);
    connectClick(control<QPushButton>(page, verblookuppage::ClearButton), this,
                 &VerbSearchHandlers::Command27_Click);
}

void VerbSearchHandlers::Command26_Click() {
    const QString typed = m_verbBox->text();
    const VerbSearchOutcome outcome = searchVerb(typed);
    switch (outcome.kind) {
    case VerbSearchOutcome::Kind::Nothing:
        return;
    case VerbSearchOutcome::Kind::Show:
        m_formsResult->setText(textView(outcome.entry->forms).toString());
        m_meaningResult->setText(textView(outcome.entry->meaning).toString());
        return;
    case VerbSearchOutcome::Kind::NotFound:
        m_services.dialogs.InfoBox(VerbNotFoundText, InfoIcon::Warning);
        return;
    }
}

void VerbSearchHandlers::Command27_Click() {
    if (m_services.dialogs.ConfirmBox(ClearDataQuestion, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return;
    m_verbBox->setText(QString());
    m_formsResult->setText(QString());
    m_meaningResult->setText(QString());
}

} // namespace morvela
