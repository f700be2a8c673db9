// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QWidget;

namespace morvela {

struct Services;

// The linear system page: "计算" solves a·x + b·y = m, c·x + d·y = n; "清空" empties the page.
class LinearSystemHandlers final : public QObject {
    Q_OBJECT
public:
    LinearSystemHandlers(QWidget *page, Services &services);

public Q_SLOTS:
    void Command22_Click();
    void Command23_Click();

private:
    Services &m_services;
    QLineEdit *m_a, *m_b, *m_m, *m_c, *m_d, *m_n; // the boxes named as the equations name them
    QLabel *m_xResult;                            // xgen
    QLabel *m_yResult;                            // ygen
};

} // namespace morvela
