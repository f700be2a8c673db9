// SPDX-License-Identifier: GPL-3.0-or-later
#include "verbs/VerbLookupPage.h"

#include "verbs/VerbSearchHandlers.h"

namespace morvela {

using namespace Qt::StringLiterals;

PageSpec verbLookupPage() {
    using namespace verblookuppage;
    const auto black = Colours::TransparentBlackText;
    const auto face = Colours::ButtonFace;
    return {u"不规则动词查询器"_s,
            Page,
            {
                backgroundRow(u"Image8"_s, u":/pictures/tools.bmp"_s, {}),
                labelRow(u"Label20"_s, u"动词原型："_s, Song14Bold, black, true, 480, 1560, 1575, 375, 69),
                textBoxRow(VerbBox, {}, {}, Kai14Bold, Colours::BlackOnWhite, true, 1920, 1560, 4815, 405, 62,
                           u"动词原型："_s),
                buttonRow(SearchButton, u"搜索"_s, Song12, face, true, 2640, 3360, 1095, 495, 63),
                buttonRow(ClearButton, u"清空"_s, Song12, face, true, 3840, 3360, 1095, 495, 64),
                labelRow(u"Label18"_s, u"搜索结果："_s, Song14Bold, black, true, 3360, 6240, 1575, 375, 65),
                labelRow(FormsResult, {}, Kai15Bold, black, true, 4800, 6240, 9855, 375, 68),
                labelRow(u"Label19"_s, u"中文含义："_s, Song14Bold, black, true, 3360, 6720, 1575, 375, 66),
                labelRow(MeaningResult, {}, Kai15Bold, black, true, 4800, 6720, 9855, 375, 67),
            },
            nullptr,
            [](QWidget *page, Services &services) { new VerbSearchHandlers(page, services); }};
}

} // namespace morvela
