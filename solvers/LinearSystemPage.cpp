// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvers/LinearSystemPage.h"

#include "solvers/LinearSystemHandlers.h"

namespace morvela {

using namespace Qt::StringLiterals;

PageSpec linearSystemPage() {
    using namespace linearsystempage;
    const auto black = Colours::TransparentBlackText;
    const auto white = Colours::BlackOnWhite;
    const auto face = Colours::ButtonFace;
    return {u"二元一次方程计算器"_s,
            Page,
            {
                backgroundRow(u"Image6"_s, u":/pictures/tools.bmp"_s, {}),
                labelRow(u"Label10"_s, u"｛"_s, Kai48Bold, black, true, 0, 1320, 735, 975, 41),
                textBoxRow(A, {}, u"请输入x的系数"_s, Kai14Bold, white, true, 840, 1320, 1575, 405, 32,
                           u"第一个方程：x的系数"_s),
                labelRow(u"Label2"_s, u"x+"_s, Hei18Bold, black, true, 2520, 1320, 495, 375, 40),
                textBoxRow(B, {}, u"请输入y的系数"_s, Kai14Bold, white, true, 3000, 1320, 1575, 405, 27,
                           u"第一个方程：y的系数"_s),
                labelRow(u"Label3"_s, u"y="_s, Hei18Bold, black, true, 4680, 1320, 495, 375, 37),
                textBoxRow(M, {}, u"请输入方程①的得数"_s, Kai14Bold, white, true, 5160, 1320, 1575, 405, 28,
                           u"第一个方程：得数"_s),
                textBoxRow(C, {}, u"请输入x的系数"_s, Kai14Bold, white, true, 840, 1920, 1575, 405, 29,
                           u"第二个方程：x的系数"_s),
                labelRow(u"Label4"_s, u"x+"_s, Hei18Bold, black, true, 2520, 1920, 495, 375, 38),
                textBoxRow(D, {}, u"请输入y的系数"_s, Kai14Bold, white, true, 3000, 1920, 1575, 405, 30,
                           u"第二个方程：y的系数"_s),
                labelRow(u"Label5"_s, u"y="_s, Hei18Bold, black, true, 4680, 1920, 495, 375, 39),
                textBoxRow(N, {}, u"请输入方程②的得数"_s, Kai14Bold, white, true, 5160, 1920, 1575, 405, 31,
                           u"第二个方程：得数"_s),
                buttonRow(SolveButton, u"计算"_s, Song12, face, true, 2640, 3360, 1095, 495, 26),
                buttonRow(ClearButton, u"清空"_s, Song12, face, true, 3840, 3360, 1095, 495, 43),
                labelRow(u"Label8"_s, u"｛"_s, Kai48Bold, black, true, 2760, 6120, 735, 975, 42),
                labelRow(u"Label6"_s, u"x="_s, Hei18Bold, black, true, 3600, 6120, 495, 375, 35),
                labelRow(XResult, {}, Kai15Bold, black, true, 4080, 6120, 10575, 375, 34),
                labelRow(u"Label7"_s, u"y="_s, Hei18Bold, black, true, 3600, 6600, 495, 375, 36),
                labelRow(YResult, {}, Kai15Bold, black, true, 4080, 6600, 10575, 375, 33),
            },
            nullptr,
            [](QWidget *page, Services &services) { new LinearSystemHandlers(page, services); }};
}

} // namespace morvela
