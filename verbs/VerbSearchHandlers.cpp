#include "verbs/VerbSearchHandlers.h"

#include "common/AppTexts.h"
#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "verbs/IrregularVerbTable.h"
#include "verbs/VerbSearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

VerbSearchHandlers::VerbSearchHandlers(QWidget *window, Services &services)
    : QObject(window), m_services(services), m_dc(control<QLineEdit>(window, "dc")),
      m_st(control<QLabel>(window, "st")), m_zwhy(control<QLabel>(window, "zwhy")) {
    connectClick(control<QPushButton>(window, "Command26"), this, &VerbSearchHandlers::Command26_Click);
    connectClick(control<QPushButton>(window, "Command27"), this, &VerbSearchHandlers::Command27_Click);
}

void VerbSearchHandlers::Command26_Click() {
    const QString typed = m_dc->text();
    const VerbSearchOutcome outcome = searchVerb(typed);
    switch (outcome.kind) {
    case VerbSearchOutcome::Kind::Nothing:
        return;
    case VerbSearchOutcome::Kind::Show:
        m_st->setText(textView(outcome.entry->forms).toString());
        m_zwhy->setText(textView(outcome.entry->meaning).toString());
        return;
    case VerbSearchOutcome::Kind::NotFound:
        m_services.dialogs.InfoBox(VerbNotFoundText, InfoIcon::Warning);
        return;
    }
}

void VerbSearchHandlers::Command27_Click() {
    if (m_services.dialogs.ConfirmBox(ClearDataQuestion, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return;
    m_dc->setText(QString());
    m_st->setText(QString());
    m_zwhy->setText(QString());
}

} // namespace morvela
