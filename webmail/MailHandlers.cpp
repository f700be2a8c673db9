#include "webmail/MailHandlers.h"

#include "common/Controls.h"
#include "common/HandlerEntry.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "webmail/MailShortcutTable.h"

#include <QPushButton>
#include <QWidget>

namespace morvela {

MailHandlers::MailHandlers(QWidget *window, Services &services) : QObject(window), m_services(services) {
    using Slot = void (MailHandlers::*)();
    static constexpr Slot handlers[] = {
        &MailHandlers::Command1_Click,  &MailHandlers::Command2_Click,  &MailHandlers::Command3_Click,
        &MailHandlers::Command4_Click,  &MailHandlers::Command5_Click,  &MailHandlers::Command6_Click,
        &MailHandlers::Command7_Click,  &MailHandlers::Command8_Click,  &MailHandlers::Command9_Click,
        &MailHandlers::Command10_Click, &MailHandlers::Command11_Click, &MailHandlers::Command12_Click,
        &MailHandlers::Command13_Click, &MailHandlers::Command14_Click, &MailHandlers::Command15_Click,
        &MailHandlers::Command16_Click,
    };
    // The table lists Command1 to Command16 in order, so row i belongs to slot i.
    const QList<MailShortcut> &table = MailShortcutTable();
    for (qsizetype i = 0; i < table.size(); ++i)
        connectClick(control<QPushButton>(window, table[i].name), this, handlers[i]);
}

void MailHandlers::openShortcut(qsizetype row) {
    // The task identifier and any failure are of no interest: the click has done its part.
    (void)m_services.shell.launch(explorerCommandLine(MailShortcutTable().at(row).address),
                                  MailLaunchWindowStyle);
}

} // namespace morvela
