// SPDX-License-Identifier: GPL-3.0-or-later
#include "webmail/MailHandlers.h"

#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "webmail/MailShortcutTable.h"

#include <QPushButton>
#include <QWidget>

namespace morvela {

MailHandlers::MailHandlers(QWidget *page, Services &services) : QObject(page), m_services(services) {
    // The table lives as long as the program, so each connection can hold its row.
    for (const MailShortcut &row : MailShortcutTable())
        connectClick(control<QPushButton>(page, row.name), this, [this, &row] { Command_Click(row); });
}

void MailHandlers::Command_Click(const MailShortcut &row) {
    // The task identifier and any failure are of no interest: the click has done its part.
    (void)m_services.shell.launch(explorerCommandLine(row.address), MailLaunchWindowStyle);
}

} // namespace morvela
