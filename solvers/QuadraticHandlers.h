// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QWidget;

namespace morvela {

struct Services;

// The quadratic equation page: "计算" finds the real roots of e·x² + f·x = z; "清空" empties the page.
class QuadraticHandlers final : public QObject {
    Q_OBJECT
public:
    QuadraticHandlers(QWidget *page, Services &services);

public Q_SLOTS:
    void Command25_Click();
    void Command24_Click();

private:
    Services &m_services;
    QLineEdit *m_e, *m_f, *m_z; // the boxes named as the equation names them
    QLabel *m_x1Result;         // x1gen
    QLabel *m_x2Result;         // x2gen
};

} // namespace morvela
