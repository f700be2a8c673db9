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
    QuadraticHandlers(QWidget *window, Services &services);

public Q_SLOTS:
    void Command25_Click();
    void Command24_Click();

private:
    Services &m_services;
    QLineEdit *m_e, *m_f, *m_z;
    QLabel *m_x1gen, *m_x2gen;
};

} // namespace morvela
