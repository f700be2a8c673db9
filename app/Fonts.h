#pragma once

#include <QFont>

namespace morvela {

struct FontSpec;

// Maps the fonts the window declares (宋体, 楷体_GB2312, 黑体) to the Chinese fonts installed here
// (AR PL UMing CN, AR PL UKai CN, WenQuanYi Zen Hei). Safe to call more than once.
void installFontSubstitutions();

// The font as declared, family name kept: the substitutions choose what is drawn.
QFont fontFor(const FontSpec &spec);

} // namespace morvela
