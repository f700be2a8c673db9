// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace morvela {

struct MailShortcut;
struct Services;

// The click handlers of the e-mail page: each button of the shortcut table opens its address in the
// web browser through the shell and returns at once.
class MailHandlers final : public QObject {
    Q_OBJECT
public:
    // Wires every button of the table on the page to Command_Click with the button's row.
    MailHandlers(QWidget *page, Services &services);

    // Command1_Click ... Command16_Click: the buttons differ only in their row, so one routine serves
    // them all. Launches the row's address; whatever the shell answers, nothing else happens.
    void Command_Click(const MailShortcut &row);

private:
    Services &m_services;
};

} // namespace morvela
