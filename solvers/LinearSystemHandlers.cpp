// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvers/LinearSystemHandlers.h"

#include "common/AppTexts.h"
#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "common/NumberForms.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "solvers/LinearSystem.h"
#include "solvers/LinearSystemPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

LinearSystemHandlers::LinearSystemHandlers(QWidget *page, Services &services)
    : QObject(page), m_services(services), m_a(control<QLineEdit>(page, linearsystempage::A)),
      m_b(control<QLineEdit>(page, linearsystempage::B)), m_m(control<QLineEdit>(page, linearsystempage::M)),
      m_c(control<QLineEdit>(page, linearsystempage::C)), m_d(control<QLineEdit>(page, linearsystempage::D)),
      m_n(control<QLineEdit>(page, linearsystempage::N)),
      m_xResult(control<QLabel>(page, linearsystempage::XResult)),
      m_yResult(control<QLabel>(page, linearsystempage::YResult)) {
    connectClick(control<QPushButton>(page, linearsystempage::SolveButton), this,
                 &LinearSystemHandlers::Command22_Click);
    connectClick(control<QPushButton>(page, linearsystempage::ClearButton), this,
                 &LinearSystemHandlers::Command23_Click);
}

// "计算": x, then y, each from a fresh reading of the six boxes. A result without a value leaves its
// label as it was; no message in any case.
void LinearSystemHandlers::Command22_Click() {
    const auto solve = [this] {
        return SolveLinearSystem(LenientNumber(m_a->text()), LenientNumber(m_b->text()),
                                 LenientNumber(m_m->text()), LenientNumber(m_c->text()),
                                 LenientNumber(m_d->text()), LenientNumber(m_n->text()));
    };
    if (const std::optional<double> x = solve().x)
        m_xResult->setText(NumberText(*x));
    if (const std::optional<double> y = solve().y)
        m_yResult->setText(NumberText(*y));
}

// "清空": after an OK, the six boxes and then the two results are emptied.
void LinearSystemHandlers::Command23_Click() {
    if (m_services.dialogs.ConfirmBox(ClearDataQuestion, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return;
    for (QLineEdit *box : {m_a, m_b, m_c, m_d, m_m, m_n})
        box->setText(QString());
    m_xResult->setText(QString());
    m_yResult->setText(QString());
}

} // namespace morvela
