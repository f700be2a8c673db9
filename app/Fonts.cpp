#include "app/Fonts.h"

#include "app/ControlInventory.h"

namespace morvela {

using namespace Qt::StringLiterals;

void installFontSubstitutions() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QFont::insertSubstitutions(u"宋体"_s, {u"AR PL UMing CN"_s, u"WenQuanYi Zen Hei"_s});
    QFont::insertSubstitutions(u"楷体_GB2312"_s,
                               {u"AR PL UKai CN"_s, u"AR PL UMing CN"_s, u"WenQuanYi Zen Hei"_s});
    QFont::insertSubstitutions(u"黑体"_s, {u"WenQuanYi Zen Hei"_s, u"AR PL UMing CN"_s});
}

QFont fontFor(const FontSpec &spec) {
    QFont font(spec.family);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    return font;
}

} // namespace morvela
