#include "app/ControlInventory.h"

#include "app/AboutTexts.h"
#include "common/AppTexts.h"
#include "webmail/MailShortcutTable.h"

#include <algorithm>

namespace morvela {

using namespace Qt::StringLiterals;

namespace {

const QString Song = u"宋体"_s;
const QString Kai = u"楷体_GB2312"_s;
const QString Hei = u"黑体"_s;

const FontSpec Song12{Song, 12, false};
const FontSpec Song105{Song, 10.5, false};
const FontSpec Song14Bold{Song, 14.25, true};
const FontSpec Kai14Bold{Kai, 14.25, true};
const FontSpec Kai15Bold{Kai, 15.75, true};
const FontSpec Kai48Bold{Kai, 48, true};
const FontSpec Hei18Bold{Hei, 18, true};

const QString ToolsPicture = u":/pictures/tools.bmp"_s;

ControlSpec picture(const QString &name, const QString &resource, const QString &accessibleName, bool shown,
                    int left, int top, int width, int height) {
    ControlSpec c;
    c.name = name;
    c.kind = ControlKind::Picture;
    c.font = defaultFont();
    c.shown = shown;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.picture = resource;
    c.accessibleName = accessibleName;
    return c;
}

// A full-page background picture of an inner tab page. Without an accessible name a picture only
// decorates, and assistive tools leave it out.
ControlSpec background(const QString &name, const QString &resource, const QString &accessibleName,
                       bool shown = true) {
    return picture(name, resource, accessibleName, shown, 0, 360, 14805, 8055);
}

ControlSpec control(ControlKind kind, const QString &name, const QString &text, const QString &tooltip,
                    const FontSpec &font, Colours colours, bool shown, int left, int top, int width,
                    int height, int tabIndex, const QString &accessibleName = {}) {
    ControlSpec c;
    c.name = name;
    c.kind = kind;
    c.text = text;
    c.tooltip = tooltip;
    c.font = font;
    c.colours = colours;
    c.shown = shown;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.tabIndex = tabIndex;
    c.accessibleName = accessibleName;
    return c;
}

ControlSpec button(const QString &name, const QString &text, const FontSpec &font, Colours colours,
                   bool shown, int left, int top, int width, int height, int tabIndex) {
    return control(ControlKind::Button, name, text, {}, font, colours, shown, left, top, width, height,
                   tabIndex);
}

ControlSpec label(const QString &name, const QString &text, const FontSpec &font, Colours colours, bool shown,
                  int left, int top, int width, int height, int tabIndex) {
    return control(ControlKind::Label, name, text, {}, font, colours, shown, left, top, width, height,
                   tabIndex);
}

ControlSpec textBox(const QString &name, const QString &text, const QString &tooltip, const FontSpec &font,
                    Colours colours, bool shown, int left, int top, int width, int height, int tabIndex,
                    const QString &accessibleName) {
    return control(ControlKind::TextBox, name, text, tooltip, font, colours, shown, left, top, width, height,
                   tabIndex, accessibleName.isEmpty() ? tooltip : accessibleName);
}

// The schedule grid: one row per hour h = 6 + k, k = 0 … 16, with the hour label and the boxes of the
// slots at h:00 (left column) and h:30 (right column).
QList<ControlSpec> scheduleGrid() {
    QList<ControlSpec> grid;
    for (int k = 0; k <= 16; ++k) {
        const int hour = 6 + k;
        const int top = 1320 + 360 * k;
        const QString hh = u"%1"_s.arg(hour, 2, 10, QLatin1Char('0'));
        grid.append(label(u"d%1"_s.arg(hour), hh + u"：00"_s, Song12, Colours::Transparent, false, 1320, top,
                          735, 255, 85 + k));
    }
    for (int k = 0; k <= 16; ++k) {
        const QString hh = u"%1"_s.arg(6 + k, 2, 10, QLatin1Char('0'));
        grid.append(textBox(u"Text%1"_s.arg(k + 2), {}, {}, defaultFont(), Colours::System, false, 2280,
                            1320 + 360 * k, 5535, 270, 102 + k, hh + u"：00"_s));
    }
    for (int k = 0; k <= 16; ++k) {
        const QString hh = u"%1"_s.arg(6 + k, 2, 10, QLatin1Char('0'));
        grid.append(textBox(u"Text%1"_s.arg(k + 19), {}, {}, defaultFont(), Colours::System, false, 7920,
                            1320 + 360 * k, 5535, 270, 119 + k, hh + u"：30"_s));
    }
    return grid;
}

PageSpec welcomePage() {
    return {
        u"欢迎页"_s, u"WelcomePage"_s, {background(u"Image1"_s, u":/pictures/welcome.bmp"_s, u"欢迎使用"_s)}};
}

PageSpec schedulePage() {
    const FontSpec def = defaultFont();
    const auto none = Colours::System;
    QList<ControlSpec> c{
        background(u"Image2"_s, u":/pictures/schedule.bmp"_s, {}),
        label(u"min0"_s, u"+0 min"_s, Song12, Colours::Transparent, false, 4680, 840, 735, 255, 136),
        label(u"min30"_s, u"+30 min"_s, Song12, Colours::Transparent, false, 10200, 840, 855, 255, 137),
        button(u"ks"_s, u"开始始制作日程表"_s, def, none, true, 5760, 3840, 3375, 375, 140),
        button(u"qk"_s, u"清空日程表"_s, def, none, false, 3360, 7680, 3375, 375, 138),
        button(u"bc"_s, u"保存为文本文件"_s, def, none, false, 9000, 7680, 3375, 375, 139),
    };
    c.append(scheduleGrid());
    return {u"日程表"_s, u"SchedulePage"_s, c};
}

PageSpec dateQueryPage() {
    const FontSpec def = defaultFont();
    const auto none = Colours::System;
    return {u"日期查询"_s,
            u"DateQueryPage"_s,
            {
                background(u"Image3"_s, u":/pictures/datequery.bmp"_s, {}),
                textBox(u"Text1"_s, u"请输入日期（yyyy-mm-dd）"_s, {}, Song12, none, true, 3960, 2280, 3375,
                        375, 8, u"日期"_s),
                button(u"Command17"_s, u"同步为今日日期"_s, def, none, true, 7440, 2280, 3375, 375, 7),
                button(u"Command18"_s, u"计算当天为星期几"_s, def, none, true, 3360, 3480, 3375, 375, 6),
                button(u"Command19"_s, u"计算当天为第几周"_s, def, none, true, 8040, 3480, 3375, 375, 5),
                button(u"Command20"_s, u"计算当天为第几天"_s, def, none, true, 2760, 4560, 3375, 375, 4),
                button(u"Command21"_s, u"计算当天所处的季度"_s, def, none, true, 8640, 4560, 3375, 375, 3),
            }};
}

// The sixteen shortcut buttons come from the shortcut table (caption and place in the slanted grid) and
// lie on the page in the grid's reading order. Their keyboard order runs backwards through the table:
// Command16 first (tab index 9), Command1 last (24).
// The sixteen buttons come from the shortcut table (caption and grid place); their tab indexes run from
// 24 for Command1 down to 9 for Command16.
PageSpec mailPage() {
    QList<ControlSpec> buttons;
    const QList<MailShortcut> &table = MailShortcutTable();
    for (qsizetype i = 0; i < table.size(); ++i) {
        const QRect place = mailButtonRectTwips(table[i].row, table[i].column);
        buttons.append(button(QString::fromLatin1(table[i].name), table[i].caption, defaultFont(),
                              Colours::System, true, place.x(), place.y(), place.width(), place.height(),
                              int(24 - i)));
    }
    std::sort(buttons.begin(), buttons.end(), [](const ControlSpec &a, const ControlSpec &b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    QList<ControlSpec> controls{background(u"Image4"_s, u":/pictures/mail.bmp"_s, {})};
    controls.append(buttons);
    return {u"电子邮件"_s, u"MailPage"_s, controls};
}

PageSpec stickyNotePage() {
    const FontSpec def = defaultFont();
    const auto none = Colours::System;
    // The pictures in drawing order: the note card ybzt lies above the plain sky wbzt.
    return {u"便纸条"_s,
            u"StickyNotePage"_s,
            {
                background(u"wbzt"_s, u":/pictures/note.bmp"_s, {}),
                background(u"ybzt"_s, u":/pictures/note-card.bmp"_s, {}, false),
                control(ControlKind::MultiLineTextBox, u"Text36"_s, {}, {}, Song105, none, false, 5400, 2400,
                        4095, 3375, 142, u"便纸条"_s),
                button(u"qhbzt"_s, u"新建一个便纸条"_s, def, none, true, 5760, 3840, 3375, 375, 141),
                button(u"qkbzt"_s, u"删除便纸条"_s, def, none, false, 2880, 7320, 3375, 375, 144),
                button(u"bcbzt"_s, u"保存为文本文件"_s, def, none, false, 8520, 7320, 3375, 375, 143),
            }};
}

PageSpec linearSystemPage() {
    const auto black = Colours::TransparentBlackText;
    const auto white = Colours::BlackOnWhite;
    const auto face = Colours::ButtonFace;
    return {u"二元一次方程计算器"_s,
            u"LinearSystemPage"_s,
            {
                background(u"Image6"_s, ToolsPicture, {}),
                label(u"Label10"_s, u"｛"_s, Kai48Bold, black, true, 0, 1320, 735, 975, 41),
                textBox(u"a"_s, {}, u"请输入x的系数"_s, Kai14Bold, white, true, 840, 1320, 1575, 405, 32,
                        u"第一个方程：x的系数"_s),
                label(u"Label2"_s, u"x+"_s, Hei18Bold, black, true, 2520, 1320, 495, 375, 40),
                textBox(u"b"_s, {}, u"请输入y的系数"_s, Kai14Bold, white, true, 3000, 1320, 1575, 405, 27,
                        u"第一个方程：y的系数"_s),
                label(u"Label3"_s, u"y="_s, Hei18Bold, black, true, 4680, 1320, 495, 375, 37),
                textBox(u"m"_s, {}, u"请输入方程①的得数"_s, Kai14Bold, white, true, 5160, 1320, 1575, 405, 28,
                        u"第一个方程：得数"_s),
                textBox(u"c"_s, {}, u"请输入x的系数"_s, Kai14Bold, white, true, 840, 1920, 1575, 405, 29,
                        u"第二个方程：x的系数"_s),
                label(u"Label4"_s, u"x+"_s, Hei18Bold, black, true, 2520, 1920, 495, 375, 38),
                textBox(u"d"_s, {}, u"请输入y的系数"_s, Kai14Bold, white, true, 3000, 1920, 1575, 405, 30,
                        u"第二个方程：y的系数"_s),
                label(u"Label5"_s, u"y="_s, Hei18Bold, black, true, 4680, 1920, 495, 375, 39),
                textBox(u"n"_s, {}, u"请输入方程②的得数"_s, Kai14Bold, white, true, 5160, 1920, 1575, 405, 31,
                        u"第二个方程：得数"_s),
                button(u"Command22"_s, u"计算"_s, Song12, face, true, 2640, 3360, 1095, 495, 26),
                button(u"Command23"_s, u"清空"_s, Song12, face, true, 3840, 3360, 1095, 495, 43),
                label(u"Label8"_s, u"｛"_s, Kai48Bold, black, true, 2760, 6120, 735, 975, 42),
                label(u"Label6"_s, u"x="_s, Hei18Bold, black, true, 3600, 6120, 495, 375, 35),
                label(u"xgen"_s, {}, Kai15Bold, black, true, 4080, 6120, 10575, 375, 34),
                label(u"Label7"_s, u"y="_s, Hei18Bold, black, true, 3600, 6600, 495, 375, 36),
                label(u"ygen"_s, {}, Kai15Bold, black, true, 4080, 6600, 10575, 375, 33),
            }};
}

PageSpec quadraticPage() {
    const auto black = Colours::TransparentBlackText;
    const auto white = Colours::BlackOnWhite;
    const auto face = Colours::ButtonFace;
    return {u"一元二次方程计算器"_s,
            u"QuadraticPage"_s,
            {
                background(u"Image7"_s, ToolsPicture, {}),
                textBox(u"e"_s, {}, u"请输入x二次项的系数"_s, Kai14Bold, white, true, 480, 1560, 1575, 405,
                        48, u"x二次项的系数"_s),
                label(u"Label13"_s, u"x^2+"_s, Hei18Bold, black, true, 2160, 1560, 855, 375, 51),
                textBox(u"f"_s, {}, u"请输入x一次项的系数"_s, Kai14Bold, white, true, 3000, 1560, 1575, 405,
                        50, u"x一次项的系数"_s),
                label(u"Label14"_s, u"x="_s, Hei18Bold, black, true, 4680, 1560, 495, 375, 52),
                textBox(u"z"_s, {}, u"请输入方程的得数"_s, Kai14Bold, white, true, 5160, 1560, 1575, 405, 49,
                        u"方程的得数"_s),
                button(u"Command25"_s, u"计算"_s, Song12, face, true, 2640, 3360, 1095, 495, 54),
                button(u"Command24"_s, u"清空"_s, Song12, face, true, 3840, 3360, 1095, 495, 53),
                label(u"Label15"_s, u"｛"_s, Kai48Bold, black, true, 2760, 6120, 735, 975, 55),
                label(u"Label17"_s, u"x1="_s, Hei18Bold, black, true, 3600, 6120, 615, 375, 57),
                label(u"x1gen"_s, {}, Kai15Bold, black, true, 4320, 6120, 10335, 375, 58),
                label(u"Label16"_s, u"x2="_s, Hei18Bold, black, true, 3600, 6600, 615, 375, 56),
                label(u"x2gen"_s, {}, Kai15Bold, black, true, 4320, 6600, 10335, 375, 59),
                label(u"x1fgen"_s, {}, Kai15Bold, black, true, 4320, 6960, 10335, 375, 61),
                label(u"x2fgen"_s, {}, Kai15Bold, black, true, 4320, 7440, 10335, 375, 60),
            }};
}

PageSpec verbLookupPage() {
    const auto black = Colours::TransparentBlackText;
    const auto face = Colours::ButtonFace;
    return {u"不规则动词查询器"_s,
            u"VerbLookupPage"_s,
            {
                background(u"Image8"_s, ToolsPicture, {}),
                label(u"Label20"_s, u"动词原型："_s, Song14Bold, black, true, 480, 1560, 1575, 375, 69),
                textBox(u"dc"_s, {}, {}, Kai14Bold, Colours::BlackOnWhite, true, 1920, 1560, 4815, 405, 62,
                        u"动词原型："_s),
                button(u"Command26"_s, u"搜索"_s, Song12, face, true, 2640, 3360, 1095, 495, 63),
                button(u"Command27"_s, u"清空"_s, Song12, face, true, 3840, 3360, 1095, 495, 64),
                label(u"Label18"_s, u"搜索结果："_s, Song14Bold, black, true, 3360, 6240, 1575, 375, 65),
                label(u"st"_s, {}, Kai15Bold, black, true, 4800, 6240, 9855, 375, 68),
                label(u"Label19"_s, u"中文含义："_s, Song14Bold, black, true, 3360, 6720, 1575, 375, 66),
                label(u"zwhy"_s, {}, Kai15Bold, black, true, 4800, 6720, 9855, 375, 67),
            }};
}

PageSpec rebatePage() {
    const auto black = Colours::TransparentBlackText;
    const auto white = Colours::BlackOnWhite;
    const auto face = Colours::ButtonFace;
    return {
        u"返卷→打折转换器"_s,
        u"RebatePage"_s,
        {
            background(u"Image9"_s, ToolsPicture, {}),
            label(u"Label23"_s, u"返卷规则：买"_s, Song14Bold, black, true, 480, 1560, 1815, 375, 76),
            textBox(u"mai"_s, {}, {}, Kai14Bold, white, true, 2400, 1560, 1935, 405, 78, u"返卷规则：买"_s),
            label(u"Label24"_s, u"返"_s, Song14Bold, black, true, 4440, 1560, 375, 375, 79),
            textBox(u"fan"_s, {}, {}, Kai14Bold, white, true, 4800, 1560, 1935, 405, 77, u"返"_s),
            button(u"Command31"_s, u"转换"_s, Song12, face, true, 2640, 3360, 1095, 495, 81),
            button(u"Command30"_s, u"清空"_s, Song12, face, true, 3840, 3360, 1095, 495, 80),
            label(u"Label25"_s, u"相当于打"_s, Song14Bold, black, true, 3360, 6480, 1215, 375, 82),
            textBox(u"zhe"_s, {}, {}, Kai14Bold, white, true, 4680, 6480, 1935, 405, 83, u"相当于打…折"_s),
            label(u"Label26"_s, u"折"_s, Song14Bold, black, true, 6720, 6480, 375, 375, 84),
        }};
}

PageSpec hostInfoPage() {
    const auto black = Colours::TransparentBlackText;
    const auto none = Colours::System;
    const auto face = Colours::ButtonFace;
    // Winsock1, the sockets component of this page, has no place on the screen.
    return {
        u"IP地址、计算机名获取器"_s,
        u"HostInfoPage"_s,
        {
            background(u"Image10"_s, ToolsPicture, {}),
            label(u"Label21"_s, u"本机IP地址为："_s, Song14Bold, black, true, 480, 1560, 2175, 375, 70),
            textBox(u"ip"_s, {}, {}, Song14Bold, none, true, 2520, 1560, 4215, 405, 71, u"本机IP地址为："_s),
            label(u"Label22"_s, u"计算机名为："_s, Song14Bold, black, true, 480, 2160, 1815, 375, 72),
            textBox(u"cname"_s, {}, {}, Song14Bold, none, true, 2520, 2160, 4215, 405, 73, u"计算机名为："_s),
            button(u"Command28"_s, u"获取"_s, Song12, face, true, 2640, 3360, 1095, 495, 74),
            button(u"Command29"_s, u"保存"_s, Song12, face, true, 3840, 3360, 1095, 495, 75),
            label(u"Label27"_s, u"*若有杀毒软件拦截，请准许通过，本软件不会对电脑造成任何伤害！"_s,
                  defaultFont(), Colours::Transparent, true, 120, 8160, 5535, 255, 145),
        }};
}

PageSpec aboutPage() {
    const auto white = Colours::TransparentWhiteText;
    // The emblem Image12 lies above the background Image11.
    return {
        u"关于"_s,
        u"AboutPage"_s,
        {
            picture(u"Image11"_s, u":/pictures/about.bmp"_s, {}, true, 0, 360, 14850, 8445),
            picture(u"Image12"_s, u":/pictures/emblem.bmp"_s, u"日历徽标"_s, true, 960, 1560, 885, 870),
            label(u"Label1"_s, u"名称："_s + AppTitle, Song12, white, true, 2280, 1680, 3495, 255, 44),
            label(u"Label9"_s, u"版本：1.00"_s, Song12, white, true, 2280, 2160, 1215, 255, 45),
            label(u"Label28"_s, u"大小：18.5 MB"_s, Song12, white, true, 2280, 2640, 2655, 255, 146),
            label(u"Label11"_s, u"开发者："_s + DeveloperName, Song12, white, true, 2280, 3120, 1695, 255,
                  46),
            label(u"Label12"_s, u"发布日期：2009年8月1日"_s, Song12, white, true, 2280, 3600, 2655, 255, 47),
        }};
}

} // namespace

FontSpec defaultFont() {
    return {Song, 9, false};
}

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
