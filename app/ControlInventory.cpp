// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlInventory.h"

#include "app/AboutTexts.h"
#include "common/AppTexts.h"
#include "dates/DateQueryPage.h"
#include "hostinfo/HostInfoPage.h"
#include "note/StickyNotePage.h"
#include "rebate/RebatePage.h"
#include "schedule/SchedulePage.h"
#include "solvers/LinearSystemPage.h"
#include "solvers/QuadraticPage.h"
#include "verbs/VerbLookupPage.h"
#include "webmail/MailPage.h"

namespace morvela {

using namespace Qt::StringLiterals;

namespace {

PageSpec welcomePage() {
    return {u"欢迎页"_s,
            u"WelcomePage"_s,
            {backgroundRow(u"Image1"_s, u":/pictures/welcome.bmp"_s, u"欢迎使用"_s)}};
}

PageSpec aboutPage() {
    const auto white = Colours::TransparentWhiteText;
    // The emblem Image12 lies above the background Image11.
    return {
        u"关于"_s,
        u"AboutPage"_s,
        {
            pictureRow(u"Image11"_s, u":/pictures/about.bmp"_s, {}, true, 0, 360, 14850, 8445),
            pictureRow(u"Image12"_s, u":/pictures/emblem.bmp"_s, u"日历徽标"_s, true, 960, 1560, 885, 870),
            labelRow(u"Label1"_s, u"名称："_s + AppTitle, Song12, white, true, 2280, 1680, 3495, 255, 44),
            labelRow(u"Label9"_s, u"版本：1.00"_s, Song12, white, true, 2280, 2160, 1215, 255, 45),
            labelRow(u"Label28"_s, u"大小：18.5 MB"_s, Song12, white, true, 2280, 2640, 2655, 255, 146),
            labelRow(u"Label11"_s, u"开发者："_s + DeveloperName, Song12, white, true, 2280, 3120, 1695, 255,
                     46),
            labelRow(u"Label12"_s, u"发布日期：2009年8月1日"_s, Song12, white, true, 2280, 3600, 2655, 255,
                     47),
        }};
}

} // namespace

const TabControlSpec &outerTabControl() {
    static const TabControlSpec SSTab1 = [] {
        TabControlSpec tabs{u"SSTab1"_s, 0, 360, 14895, 8415, 2, {}};
        tabs.pages = {welcomePage(), schedulePage(), dateQueryPage(), mailPage(), stickyNotePage()};
        return tabs;
    }();
    static const TabControlSpec SSTab3 = [] {
        TabControlSpec tabs{u"SSTab3"_s, 0, 360, 14895, 8415, 25, {}};
        tabs.pages = {linearSystemPage(), quadraticPage(), verbLookupPage(), rebatePage(), hostInfoPage()};
        return tabs;
    }();
    static const TabControlSpec SSTab2 = [] {
        TabControlSpec tabs{u"SSTab2"_s, 0, 0, 14895, 8895, 1, {}};
        tabs.pages = {PageSpec{u"日程管理"_s, {}, {}, &SSTab1}, PageSpec{u"实用工具"_s, {}, {}, &SSTab3},
                      aboutPage()};
        return tabs;
    }();
    return SSTab2;
}

const StatusBarSpec &statusBarSpec() {
    static const StatusBarSpec bar{u"StatusBar1"_s, 0, 8760, 14895, 390, 0, {2400, 3200, 1800, 1440}};
    return bar;
}

} // namespace morvela
