// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The mail page's name; its buttons are named by the shortcut table.
namespace mailpage {
inline constexpr QLatin1String Page{"MailPage"};
// The buttons' place in the keyboard order: after the date page's box Text1 (8) and before the tools
// tab control SSTab3 (25). Among themselves they run backwards through the shortcut table, so with the
// sixteen rows the keyboard visits Command16 first and Command1 last (tab indexes 9 to 24).
inline constexpr int TabIndex = 9;
} // namespace mailpage

// "日程管理" → "电子邮件": one button per row of the shortcut table, and nothing else that reacts.
PageSpec mailPage();

} // namespace morvela
