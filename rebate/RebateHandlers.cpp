// SPDX-License-Identifier: GPL-3.0-or-later
#include "rebate/RebateHandlers.h"

#include "common/AppTexts.h"
#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "common/NumberForms.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "rebate/RebateDiscount.h"
#include "rebate/RebatePage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace morvela {

RebateHandlers::RebateHandlers(QWidget *page, Services &services)
    : QObject(page), m_services(services), m_spendBox(control<QLineEdit>(page, rebatepage::SpendBox)),
      m_rebateBox(control<QLineEdit>(page, rebatepage::RebateBox)),
      m_discountBox(control<QLineEdit>(page, rebatepage::DiscountBox)) {
    connectClick(control<QPushButton>(page, rebatepage::ConvertButton), this,
                 &RebateHandlers::Command31_Click);
    connectClick(control<QPushButton>(page, rebatepage::ClearButton), this, &RebateHandlers::Command30_Click);
}

// "转换": the warning for a rule whose numbers are not both above 0; otherwise the boxes are read again
// and the discount replaces the text of zhe. A rule too large to add leaves zhe as it was, silently.
void RebateHandlers::Command31_Click() {
    if (RebateToDiscount(LenientNumber(m_spendBox->text()), LenientNumber(m_rebateBox->text())).invalidRule) {
        m_services.dialogs.InfoBox(u"返卷规则包含的两个数据都不能小于或等于0！"_s, InfoIcon::Warning);
        return;
    }
    const RebateDiscount result =
        RebateToDiscount(LenientNumber(m_spendBox->text()), LenientNumber(m_rebateBox->text()));
    if (result.discount)
        m_discountBox->setText(NumberText(*result.discount));
}

// "清空": after an OK, mai, fan and zhe are emptied in this order.
void RebateHandlers::Command30_Click() {
    if (m_services.dialogs.ConfirmBox(ClearDataQuestion, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return;
    for (QLineEdit *box : {m_spendBox, m_rebateBox, m_discountBox})
        box->setText(QString());
}

} // namespace morvela
