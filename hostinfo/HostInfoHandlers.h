// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace morvela {

struct Services;

// The click handlers of the host identity page: "获取" fills the address and name boxes, "保存" fills
// them afresh and writes them to a two-line file.
class HostInfoHandlers final : public QObject {
    Q_OBJECT
public:
    HostInfoHandlers(QWidget *page, Services &services);

public Q_SLOTS:
    void Command28_Click();
    void Command29_Click();

private:
    // Reads the address, then the name, each into its box; a read that fails leaves its box as it was.
    void refreshBoxes();

    Services &m_services;
    QLineEdit *m_addressBox; // ip
    QLineEdit *m_nameBox;    // cname
};

} // namespace morvela
