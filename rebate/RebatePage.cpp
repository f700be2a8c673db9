// SPDX-License-Identifier: GPL-3.0-or-later
#include "rebate/RebatePage.h"

#include "rebate/RebateHandlers.h"

namespace morvela {

using namespace Qt::StringLiterals;

PageSpec rebatePage() {
    using namespace rebatepage;
    const auto black = Colours::TransparentBlackText;
    const auto white = Colours::BlackOnWhite;
    const auto face = Colours::ButtonFace;
    return {u"返卷→打折转换器"_s,
            Page,
            {
                backgroundRow(u"Image9"_s, u":/pictures/tools.bmp"_s, {}),
                labelRow(u"Label23"_s, u"返卷规则：买"_s, Song14Bold, black, true, 480, 1560, 1815, 375, 76),
                textBoxRow(SpendBox, {}, {}, Kai14Bold, white, true, 2400, 1560, 1935, 405, 78,
                           u"返卷规则：买"_s),
                labelRow(u"Label24"_s, u"返"_s, Song14Bold, black, true, 4440, 1560, 375, 375, 79),
                textBoxRow(RebateBox, {}, {}, Kai14Bold, white, true, 4800, 1560, 1935, 405, 77, u"返"_s),
                buttonRow(ConvertButton, u"转换"_s, Song12, face, true, 2640, 3360, 1095, 495, 81),
                buttonRow(ClearButton, u"清空"_s, Song12, face, true, 3840, 3360, 1095, 495, 80),
                labelRow(u"Label25"_s, u"相当于打"_s, Song14Bold, black, true, 3360, 6480, 1215, 375, 82),
                textBoxRow(DiscountBox, {}, {}, Kai14Bold, white, true, 4680, 6480, 1935, 405, 83,
                           u"相当于打…折"_s),
                labelRow(u"Label26"_s, u"折"_s, Song14Bold, black, true, 6720, 6480, 375, 375, 84),
            },
            nullptr,
            [](QWidget *page, Services &services) { new RebateHandlers(page, services); }};
}

} // namespace morvela
