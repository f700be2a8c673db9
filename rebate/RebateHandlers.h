// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace morvela {

struct Services;

// The voucher-to-discount page: "转换" turns 买 X 返 Y into 打 N 折; "清空" empties the three boxes.
class RebateHandlers final : public QObject {
    Q_OBJECT
public:
    RebateHandlers(QWidget *page, Services &services);

public Q_SLOTS:
    void Command31_Click();
    void Command30_Click();

private:
    Services &m_services;
    QLineEdit *m_spendBox;    // mai
    QLineEdit *m_rebateBox;   // fan
    QLineEdit *m_discountBox; // zhe
};

} // namespace morvela
