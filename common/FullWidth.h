// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace morvela {

// What a Chinese input method types in full-width mode, read as what it stands for: the full-width
// forms U+FF01 to U+FF5E (digits, signs, the full stop, letters such as Ｅ) become their ASCII
// counterparts U+0021 to U+007E, and the ideographic space U+3000 a blank. Every other character is
// left as it is. The readers of numbers and dates apply it to a box's text before their own rules.
QString FoldFullWidth(QStringView text);

// Whether FoldFullWidth would change the text.
bool HasFullWidthForms(QStringView text);

} // namespace morvela
