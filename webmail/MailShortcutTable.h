// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>

namespace morvela {

// One button of the e-mail page: its control name, caption, place in the slanted grid (row and
// column from 1) and the full address it opens. A row is the whole of a button: the page, its keyboard
// order and its handler all come from the table. A new row needs a control name no other page uses
// (Command17 to Command31 are the other pages' buttons).
struct MailShortcut {
    const char *name;
    QString caption;
    int row;
    int column;
    QString address;
};

// The buttons, Command1 to Command16 in that order.
const QList<MailShortcut> &MailShortcutTable();

// The window style every shortcut is launched with: minimized, with focus.
inline constexpr int MailLaunchWindowStyle = 2;

// Every button measures 1695 x 375 twips.
inline constexpr int MailButtonWidthTwips = 1695;
inline constexpr int MailButtonHeightTwips = 375;

// A button's place on its page in twips: each row sits 840 twips lower and 720 twips further right
// than the row above; the columns are 2040 twips apart.
QRect mailButtonRectTwips(int row, int column);

// The shell command line that opens an address: explorer.exe, a blank, the address in double quotes.
QString explorerCommandLine(const QString &address);

} // namespace morvela
