// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvers/QuadraticPage.h"

#include "solvers/QuadraticHandlers.h"

namespace morvela {

using namespace Qt::StringLiterals;

PageSpec quadraticPage() {
    using namespace quadraticpage;
    const auto black = Colours::TransparentBlackText;
    const auto white = Colours::BlackOnWhite;
    const auto face = Colours::ButtonFace;
    return {u"一元二次方程计算器"_s,
            Page,
            {
                backgroundRow(u"Image7"_s, u":/pictures/tools.bmp"_s, {}),
                textBoxRow(E, {}, u"请输入x二次项的系数"_s, Kai14Bold, white, true, 480, 1560, 1575, 405, 48,
                           u"x二次项的系数"_s),
                labelRow(u"Label13"_s, u"x^2+"_s, Hei18Bold, black, true, 2160, 1560, 855, 375, 51),
                textBoxRow(F, {}, u"请输入x一次项的系数"_s, Kai14Bold, white, true, 3000, 1560, 1575, 405, 50,
                           u"x一次项的系数"_s),
                labelRow(u"Label14"_s, u"x="_s, Hei18Bold, black, true, 4680, 1560, 495, 375, 52),
                textBoxRow(Z, {}, u"请输入方程的得数"_s, Kai14Bold, white, true, 5160, 1560, 1575, 405, 49,
                           u"方程的得数"_s),
                buttonRow(SolveButton, u"计算"_s, Song12, face, true, 2640, 3360, 1095, 495, 54),
                buttonRow(ClearButton, u"清空"_s, Song12, face, true, 3840, 3360, 1095, 495, 53),
                labelRow(u"Label15"_s, u"｛"_s, Kai48Bold, black, true, 2760, 6120, 735, 975, 55),
                labelRow(u"Label17"_s, u"x1="_s, Hei18Bold, black, true, 3600, 6120, 615, 375, 57),
                labelRow(X1Result, {}, Kai15Bold, black, true, 4320, 6120, 10335, 375, 58),
                labelRow(u"Label16"_s, u"x2="_s, Hei18Bold, black, true, 3600, 6600, 615, 375, 56),
                labelRow(X2Result, {}, Kai15Bold, black, true, 4320, 6600, 10335, 375, 59),
                labelRow(X1Spare, {}, Kai15Bold, black, true, 4320, 6960, 10335, 375, 61),
                labelRow(X2Spare, {}, Kai15Bold, black, true, 4320, 7440, 10335, 375, 60),
            },
            nullptr,
            [](QWidget *page, Services &services) { new QuadraticHandlers(page, services); }};
}

} // namespace morvela
