// SPDX-License-Identifier: GPL-3.0-or-later
#include "webmail/MailPage.h"

#include "webmail/MailHandlers.h"
#include "webmail/MailShortcutTable.h"

#include <algorithm>

namespace morvela {

using namespace Qt::StringLiterals;

// The buttons come from the shortcut table alone (name, caption, place in the slanted grid, keyboard
// order) and lie on the page in the grid's reading order.
PageSpec mailPage() {
    QList<ControlSpec> buttons;
    const QList<MailShortcut> &table = MailShortcutTable();
    for (qsizetype i = 0; i < table.size(); ++i) {
        const QRect place = mailButtonRectTwips(table[i].row, table[i].column);
        ControlSpec button =
            buttonRow(QString::fromLatin1(table[i].name), table[i].caption, defaultFont(), Colours::System,
                      true, place.x(), place.y(), place.width(), place.height(), mailpage::TabIndex);
        button.tabOrderWithin = int(table.size() - 1 - i);
        buttons.append(button);
    }
    std::sort(buttons.begin(), buttons.end(), [](const ControlSpec &a, const ControlSpec &b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    QList<ControlSpec> controls{backgroundRow(u"Image4"_s, u":/pictures/mail.bmp"_s, {})};
    controls.append(buttons);
    return {u"电子邮件"_s, mailpage::Page, controls, nullptr,
            [](QWidget *page, Services &services) { new MailHandlers(page, services); }};
}

} // namespace morvela
