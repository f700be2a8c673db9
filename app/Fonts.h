// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace morvela {

struct FontSpec;

// Maps the fonts the window declares (宋体, 楷体_GB2312, 黑体) to the Chinese fonts installed here
// (AR PL UMing CN, AR PL UKai CN, WenQuanYi Zen Hei). Safe to call more than once.
void installFontSubstitutions();

// The family the window asks for in place of a declared one: the declared family itself where it is
// installed (as on a Chinese Windows), else its first installed substitute, else the declared name.
QString installedFamily(const QString &declared);

// The font as declared, in its installed family.
QFont fontFor(const FontSpec &wanted);

} // namespace morvela
