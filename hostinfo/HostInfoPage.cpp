// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostinfo/HostInfoPage.h"

#include "hostinfo/HostIdentityFile.h"
#include "hostinfo/HostInfoHandlers.h"

namespace morvela {

using namespace Qt::StringLiterals;

PageSpec hostInfoPage() {
    using namespace hostinfopage;
    const auto black = Colours::TransparentBlackText;
    const auto none = Colours::System;
    const auto face = Colours::ButtonFace;
    // Winsock1, the sockets component of this page, has no place on the screen. The two captions also
    // open the two lines of the file.
    return {
        u"IP地址、计算机名获取器"_s,
        Page,
        {
            backgroundRow(u"Image10"_s, u":/pictures/tools.bmp"_s, {}),
            labelRow(u"Label21"_s, IpLineLabel, Song14Bold, black, true, 480, 1560, 2175, 375, 70),
            textBoxRow(AddressBox, {}, {}, Song14Bold, none, true, 2520, 1560, 4215, 405, 71, IpLineLabel),
            labelRow(u"Label22"_s, HostNameLineLabel, Song14Bold, black, true, 480, 2160, 1815, 375, 72),
            textBoxRow(NameBox, {}, {}, Song14Bold, none, true, 2520, 2160, 4215, 405, 73, HostNameLineLabel),
            buttonRow(FetchButton, u"获取"_s, Song12, face, true, 2640, 3360, 1095, 495, 74),
            buttonRow(SaveButton, u"保存"_s, Song12, face, true, 3840, 3360, 1095, 495, 75),
            labelRow(u"Label27"_s, u"*若有杀毒软件拦截，请准许通过，本软件不会对电脑造成任何伤害！"_s,
                     defaultFont(), Colours::Transparent, true, 120, 8160, 5535, 255, 145),
        },
        nullptr,
        [](QWidget *page, Services &services) { new HostInfoHandlers(page, services); }};
}

} // namespace morvela
