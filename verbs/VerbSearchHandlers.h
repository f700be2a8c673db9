// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class QLineEdit;
class QWidget;

namespace morvela {

struct Services;

// The click handlers of the irregular verb page: "搜索" (Command26) and "清空" (Command27).
// They find their controls on their page.
class VerbSearchHandlers final : public QObject {
    Q_OBJECT
public:
    VerbSearchHandlers(QWidget *page, Services &services);

public Q_SLOTS:
    // Looks up the verb typed into dc and shows its forms in st and its meaning in zwhy.
    void Command26_Click();
    // After confirmation, empties dc, st and zwhy.
    void Command27_Click();

private:
    Services &m_services;
    QLineEdit *m_verbBox;    // dc
    QLabel *m_formsResult;   // st
    QLabel *m_meaningResult; // zwhy
};

} // namespace morvela
