// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvers/QuadraticHandlers.h"

#include "common/AppTexts.h"
#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "common/NumberForms.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "solvers/Quadratic.h"
#include "solvers/QuadraticPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace morvela {

QuadraticHandlers::QuadraticHandlers(QWidget *page, Services &services)
    : QObject(page), m_services(services), m_e(control<QLineEdit>(page, quadraticpage::E)),
      m_f(control<QLineEdit>(page, quadraticpage::F)), m_z(control<QLineEdit>(page, quadraticpage::Z)),
      m_x1Result(control<QLabel>(page, quadraticpage::X1Result)),
      m_x2Result(control<QLabel>(page, quadraticpage::X2Result)) {
    connectClick(control<QPushButton>(page, quadraticpage::SolveButton), this,
                 &QuadraticHandlers::Command25_Click);
    connectClick(control<QPushButton>(page, quadraticpage::ClearButton), this,
                 &QuadraticHandlers::Command24_Click);
}

// "计算": the warning when there is no real root; otherwise each root that has a value replaces its
// label's caption, and a root without one leaves it as it was.
void QuadraticHandlers::Command25_Click() {
    const QuadraticSolution solution = SolveQuadratic(m_e->text(), m_f->text(), m_z->text());
    if (solution.noRealRoot) {
        m_services.dialogs.InfoBox(u"此方程无实数解！"_s, InfoIcon::Information);
        return;
    }
    if (solution.x1)
        m_x1Result->setText(NumberText(*solution.x1));
    if (solution.x2)
        m_x2Result->setText(NumberText(*solution.x2));
}

// "清空": after an OK, the three boxes and then the two roots are emptied (x1fgen and x2fgen are never
// written).
void QuadraticHandlers::Command24_Click() {
    if (m_services.dialogs.ConfirmBox(ClearDataQuestion, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return;
    for (QLineEdit *box : {m_e, m_f, m_z})
        box->setText(QString());
    m_x1Result->setText(QString());
    m_x2Result->setText(QString());
}

} // namespace morvela
