#include "solvers/LinearSystemHandlers.h"

#include "common/AppTexts.h"
#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "common/NumberForms.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "solvers/LinearSystem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

LinearSystemHandlers::LinearSystemHandlers(QWidget *window, Services &services)
    : QObject(window), m_services(services), m_a(control<QLineEdit>(window, "a")),
      m_b(control<QLineEdit>(window, "b")), m_m(control<QLineEdit>(window, "m")),
      m_c(control<QLineEdit>(window, "c")), m_d(control<QLineEdit>(window, "d")),
      m_n(control<QLineEdit>(window, "n")), m_xgen(control<QLabel>(window, "xgen")),
      m_ygen(control<QLabel>(window, "ygen")) {
    connectClick(control<QPushButton>(window, "Command22"), this, &LinearSystemHandlers::Command22_Click);
    connectClick(control<QPushButton>(window, "Command23"), this, &LinearSystemHandlers::Command23_Click);
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
        m_xgen->setText(NumberText(*x));
    if (const std::optional<double> y = solve().y)
        m_ygen->setText(NumberText(*y));
}

// "清空": after an OK, the six boxes and then the two results are emptied.
void LinearSystemHandlers::Command23_Click() {
    if (m_services.dialogs.ConfirmBox(ClearDataQuestion, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return;
    for (QLineEdit *box : {m_a, m_b, m_c, m_d, m_m, m_n})
        box->setText(QString());
    m_xgen->setText(QString());
    m_ygen->setText(QString());
}

} // namespace morvela
