#include "rebate/RebateHandlers.h"

#include "common/AppTexts.h"
#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "common/NumberForms.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "rebate/RebateDiscount.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

RebateHandlers::RebateHandlers(QWidget *window, Services &services)
    : QObject(window), m_services(services), m_mai(control<QLineEdit>(window, "mai")),
      m_fan(control<QLineEdit>(window, "fan")), m_zhe(control<QLineEdit>(window, "zhe")) {
    connectClick(control<QPushButton>(window, "Command31"), this, &RebateHandlers::Command31_Click);
    connectClick(control<QPushButton>(window, "Command30"), this, &RebateHandlers::Command30_Click);
}

// "转换": the warning for a rule whose numbers are not both above 0; otherwise the boxes are read again
// and the discount replaces the text of zhe. A rule too large to add leaves zhe as it was, silently.
void RebateHandlers::Command31_Click() {
    if (RebateToDiscount(LenientNumber(m_mai->text()), LenientNumber(m_fan->text())).invalidRule) {
        m_services.dialogs.InfoBox(QStringLiteral("返卷规则包含的两个数据都不能小于或等于0！"),
                                   InfoIcon::Warning);
        return;
    }
    const RebateDiscount result =
        RebateToDiscount(LenientNumber(m_mai->text()), LenientNumber(m_fan->text()));
    if (result.discount)
        m_zhe->setText(NumberText(*result.discount));
}

// "清空": after an OK, mai, fan and zhe are emptied in this order.
void RebateHandlers::Command30_Click() {
    if (m_services.dialogs.ConfirmBox(ClearDataQuestion, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return;
    for (QLineEdit *box : {m_mai, m_fan, m_zhe})
        box->setText(QString());
}

} // namespace morvela
