// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's starting state, control by control, against the control inventory written out here
// once more: kind, page, geometry, visibility, text, tooltip, font, colours and keyboard order; then the
// window itself, the tab controls, the pictures and the fonts actually drawn.

#include "app/Fonts.h"
#include "app/PictureLabel.h"
#include "app/StatusBar.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace morvela;
using namespace morvela::test;
using namespace Qt::StringLiterals;

namespace {

// One row of the inventory, as the window's tables give it. Geometry in twips from the tab control.
struct Row {
    const char *name;
    const char *kind; // button, text, multi, label, picture
    QString text;
    QString tooltip;
    QString family; // empty for pictures
    qreal points;
    bool bold;
    const char *colours; // "", "black on white", "transparent", "black text", "white text", "face"
    bool shown;
    int left, top, width, height;
    int tabIndex; // -1: none
    const char *tabControl;
    const char *page;
};

const QString Song = u"宋体"_s;
const QString Kai = u"楷体_GB2312"_s;
const QString Hei = u"黑体"_s;

// A row of the list below; its tab control and page are filled in by add().
Row r(const char *name, const char *kind, const QString &text, const QString &tooltip, const QString &family,
      qreal points, bool bold, const char *colours, bool shown, int left, int top, int width, int height,
      int tabIndex) {
    return {name,  kind, text, tooltip, family, points,   bold,    colours,
            shown, left, top,  width,   height, tabIndex, nullptr, nullptr};
}

// The controls of one page, listed as on paper.
QList<Row> inventory() {
    QList<Row> rows;
    auto add = [&](const char *tab, const char *page, std::initializer_list<Row> list) {
        for (Row r : list) {
            r.tabControl = tab;
            r.page = page;
            rows.append(r);
        }
    };
    const char *S1 = "SSTab1";
    const char *S2 = "SSTab2";
    const char *S3 = "SSTab3";

    add(S1, "WelcomePage", {r("Image1", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1)});

    add(S1, "SchedulePage",
        {
            r("Image2", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("min0", "label", u"+0 min"_s, {}, Song, 12, false, "transparent", false, 4680, 840, 735, 255,
              136),
            r("min30", "label", u"+30 min"_s, {}, Song, 12, false, "transparent", false, 10200, 840, 855, 255,
              137),
            r("ks", "button", u"开始始制作日程表"_s, {}, Song, 9, false, "", true, 5760, 3840, 3375, 375,
              140),
            r("qk", "button", u"清空日程表"_s, {}, Song, 9, false, "", false, 3360, 7680, 3375, 375, 138),
            r("bc", "button", u"保存为文本文件"_s, {}, Song, 9, false, "", false, 9000, 7680, 3375, 375, 139),
        });
    // The grid: hour h = 6 … 22 in row h − 6; the box of h:00 is Text(h − 4), that of h:30 is Text(h + 13).
    static QList<QByteArray> gridNames;
    if (gridNames.isEmpty()) {
        for (int h = 6; h <= 22; ++h) {
            gridNames.append("d" + QByteArray::number(h));
            gridNames.append("Text" + QByteArray::number(h - 4));
            gridNames.append("Text" + QByteArray::number(h + 13));
        }
    }
    for (int h = 6; h <= 22; ++h) {
        const int row = h - 6;
        const int top = 1320 + 360 * row;
        const QString caption = (h < 10 ? u"0"_s : QString()) + QString::number(h) + u"：00"_s;
        add(S1, "SchedulePage",
            {
                r(gridNames.at(3 * row).constData(), "label", caption, {}, Song, 12, false, "transparent",
                  false, 1320, top, 735, 255, 85 + row),
                r(gridNames.at(3 * row + 1).constData(), "text", {}, {}, Song, 9, false, "", false, 2280, top,
                  5535, 270, 102 + row),
                r(gridNames.at(3 * row + 2).constData(), "text", {}, {}, Song, 9, false, "", false, 7920, top,
                  5535, 270, 119 + row),
            });
    }

    add(S1, "DateQueryPage",
        {
            r("Image3", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("Text1", "text", u"请输入日期（yyyy-mm-dd）"_s, {}, Song, 12, false, "", true, 3960, 2280, 3375,
              375, 8),
            r("Command17", "button", u"同步为今日日期"_s, {}, Song, 9, false, "", true, 7440, 2280, 3375, 375,
              7),
            r("Command18", "button", u"计算当天为星期几"_s, {}, Song, 9, false, "", true, 3360, 3480, 3375,
              375, 6),
            r("Command19", "button", u"计算当天为第几周"_s, {}, Song, 9, false, "", true, 8040, 3480, 3375,
              375, 5),
            r("Command20", "button", u"计算当天为第几天"_s, {}, Song, 9, false, "", true, 2760, 4560, 3375,
              375, 4),
            r("Command21", "button", u"计算当天所处的季度"_s, {}, Song, 9, false, "", true, 8640, 4560, 3375,
              375, 3),
        });

    add(S1, "MailPage",
        {
            r("Image4", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("Command1", "button", u"Hotmail/Live 邮箱"_s, {}, Song, 9, false, "", true, 2400, 2760, 1695,
              375, 24),
            r("Command15", "button", u"Gmail 邮箱"_s, {}, Song, 9, false, "", true, 4440, 2760, 1695, 375,
              10),
            r("Command11", "button", u"189 邮箱"_s, {}, Song, 9, false, "", true, 6480, 2760, 1695, 375, 14),
            r("Command12", "button", u"139 邮箱"_s, {}, Song, 9, false, "", true, 8520, 2760, 1695, 375, 13),
            r("Command10", "button", u"雅虎邮箱"_s, {}, Song, 9, false, "", true, 3120, 3600, 1695, 375, 15),
            r("Command9", "button", u"新浪邮箱"_s, {}, Song, 9, false, "", true, 5160, 3600, 1695, 375, 16),
            r("Command5", "button", u"搜狐邮箱"_s, {}, Song, 9, false, "", true, 7200, 3600, 1695, 375, 20),
            r("Command13", "button", u"搜狗邮箱"_s, {}, Song, 9, false, "", true, 9240, 3600, 1695, 375, 12),
            r("Command7", "button", u"163 邮箱"_s, {}, Song, 9, false, "", true, 3840, 4440, 1695, 375, 18),
            r("Command8", "button", u"126 邮箱"_s, {}, Song, 9, false, "", true, 5880, 4440, 1695, 375, 17),
            r("Command6", "button", u"yeah 邮箱"_s, {}, Song, 9, false, "", true, 7920, 4440, 1695, 375, 19),
            r("Command4", "button", u"21CN 邮箱"_s, {}, Song, 9, false, "", true, 9960, 4440, 1695, 375, 21),
            r("Command3", "button", u"TOM 邮箱"_s, {}, Song, 9, false, "", true, 4560, 5280, 1695, 375, 22),
            r("Command2", "button", u"QQ 邮箱"_s, {}, Song, 9, false, "", true, 6600, 5280, 1695, 375, 23),
            r("Command14", "button", u"foxmail 邮箱"_s, {}, Song, 9, false, "", true, 8640, 5280, 1695, 375,
              11),
            r("Command16", "button", u"更多……"_s, {}, Song, 9, false, "", true, 10680, 5280, 1695, 375, 9),
        });

    add(S1, "StickyNotePage",
        {
            r("ybzt", "picture", {}, {}, {}, 0, false, "", false, 0, 360, 14805, 8055, -1),
            r("wbzt", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("Text36", "multi", {}, {}, Song, 10.5, false, "", false, 5400, 2400, 4095, 3375, 142),
            r("qhbzt", "button", u"新建一个便纸条"_s, {}, Song, 9, false, "", true, 5760, 3840, 3375, 375,
              141),
            r("qkbzt", "button", u"删除便纸条"_s, {}, Song, 9, false, "", false, 2880, 7320, 3375, 375, 144),
            r("bcbzt", "button", u"保存为文本文件"_s, {}, Song, 9, false, "", false, 8520, 7320, 3375, 375,
              143),
        });

    add(S3, "LinearSystemPage",
        {
            r("Image6", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("Label10", "label", u"｛"_s, {}, Kai, 48, true, "black text", true, 0, 1320, 735, 975, 41),
            r("a", "text", {}, u"请输入x的系数"_s, Kai, 14.25, true, "black on white", true, 840, 1320, 1575,
              405, 32),
            r("Label2", "label", u"x+"_s, {}, Hei, 18, true, "black text", true, 2520, 1320, 495, 375, 40),
            r("b", "text", {}, u"请输入y的系数"_s, Kai, 14.25, true, "black on white", true, 3000, 1320, 1575,
              405, 27),
            r("Label3", "label", u"y="_s, {}, Hei, 18, true, "black text", true, 4680, 1320, 495, 375, 37),
            r("m", "text", {}, u"请输入方程①的得数"_s, Kai, 14.25, true, "black on white", true, 5160, 1320,
              1575, 405, 28),
            r("c", "text", {}, u"请输入x的系数"_s, Kai, 14.25, true, "black on white", true, 840, 1920, 1575,
              405, 29),
            r("Label4", "label", u"x+"_s, {}, Hei, 18, true, "black text", true, 2520, 1920, 495, 375, 38),
            r("d", "text", {}, u"请输入y的系数"_s, Kai, 14.25, true, "black on white", true, 3000, 1920, 1575,
              405, 30),
            r("Label5", "label", u"y="_s, {}, Hei, 18, true, "black text", true, 4680, 1920, 495, 375, 39),
            r("n", "text", {}, u"请输入方程②的得数"_s, Kai, 14.25, true, "black on white", true, 5160, 1920,
              1575, 405, 31),
            r("Command22", "button", u"计算"_s, {}, Song, 12, false, "face", true, 2640, 3360, 1095, 495, 26),
            r("Command23", "button", u"清空"_s, {}, Song, 12, false, "face", true, 3840, 3360, 1095, 495, 43),
            r("Label8", "label", u"｛"_s, {}, Kai, 48, true, "black text", true, 2760, 6120, 735, 975, 42),
            r("Label6", "label", u"x="_s, {}, Hei, 18, true, "black text", true, 3600, 6120, 495, 375, 35),
            r("xgen", "label", {}, {}, Kai, 15.75, true, "black text", true, 4080, 6120, 10575, 375, 34),
            r("Label7", "label", u"y="_s, {}, Hei, 18, true, "black text", true, 3600, 6600, 495, 375, 36),
            r("ygen", "label", {}, {}, Kai, 15.75, true, "black text", true, 4080, 6600, 10575, 375, 33),
        });

    add(S3, "QuadraticPage",
        {
            r("Image7", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("e", "text", {}, u"请输入x二次项的系数"_s, Kai, 14.25, true, "black on white", true, 480, 1560,
              1575, 405, 48),
            r("Label13", "label", u"x^2+"_s, {}, Hei, 18, true, "black text", true, 2160, 1560, 855, 375, 51),
            r("f", "text", {}, u"请输入x一次项的系数"_s, Kai, 14.25, true, "black on white", true, 3000, 1560,
              1575, 405, 50),
            r("Label14", "label", u"x="_s, {}, Hei, 18, true, "black text", true, 4680, 1560, 495, 375, 52),
            r("z", "text", {}, u"请输入方程的得数"_s, Kai, 14.25, true, "black on white", true, 5160, 1560,
              1575, 405, 49),
            r("Command25", "button", u"计算"_s, {}, Song, 12, false, "face", true, 2640, 3360, 1095, 495, 54),
            r("Command24", "button", u"清空"_s, {}, Song, 12, false, "face", true, 3840, 3360, 1095, 495, 53),
            r("Label15", "label", u"｛"_s, {}, Kai, 48, true, "black text", true, 2760, 6120, 735, 975, 55),
            r("Label17", "label", u"x1="_s, {}, Hei, 18, true, "black text", true, 3600, 6120, 615, 375, 57),
            r("x1gen", "label", {}, {}, Kai, 15.75, true, "black text", true, 4320, 6120, 10335, 375, 58),
            r("Label16", "label", u"x2="_s, {}, Hei, 18, true, "black text", true, 3600, 6600, 615, 375, 56),
            r("x2gen", "label", {}, {}, Kai, 15.75, true, "black text", true, 4320, 6600, 10335, 375, 59),
            r("x1fgen", "label", {}, {}, Kai, 15.75, true, "black text", true, 4320, 6960, 10335, 375, 61),
            r("x2fgen", "label", {}, {}, Kai, 15.75, true, "black text", true, 4320, 7440, 10335, 375, 60),
        });

    add(S3, "VerbLookupPage",
        {
            r("Image8", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("Label20", "label", u"动词原型："_s, {}, Song, 14.25, true, "black text", true, 480, 1560, 1575,
              375, 69),
            r("dc", "text", {}, {}, Kai, 14.25, true, "black on white", true, 1920, 1560, 4815, 405, 62),
            r("Command26", "button", u"搜索"_s, {}, Song, 12, false, "face", true, 2640, 3360, 1095, 495, 63),
            r("Command27", "button", u"清空"_s, {}, Song, 12, false, "face", true, 3840, 3360, 1095, 495, 64),
            r("Label18", "label", u"搜索结果："_s, {}, Song, 14.25, true, "black text", true, 3360, 6240,
              1575, 375, 65),
            r("st", "label", {}, {}, Kai, 15.75, true, "black text", true, 4800, 6240, 9855, 375, 68),
            r("Label19", "label", u"中文含义："_s, {}, Song, 14.25, true, "black text", true, 3360, 6720,
              1575, 375, 66),
            r("zwhy", "label", {}, {}, Kai, 15.75, true, "black text", true, 4800, 6720, 9855, 375, 67),
        });

    add(S3, "RebatePage",
        {
            r("Image9", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("Label23", "label", u"返卷规则：买"_s, {}, Song, 14.25, true, "black text", true, 480, 1560,
              1815, 375, 76),
            r("mai", "text", {}, {}, Kai, 14.25, true, "black on white", true, 2400, 1560, 1935, 405, 78),
            r("Label24", "label", u"返"_s, {}, Song, 14.25, true, "black text", true, 4440, 1560, 375, 375,
              79),
            r("fan", "text", {}, {}, Kai, 14.25, true, "black on white", true, 4800, 1560, 1935, 405, 77),
            r("Command31", "button", u"转换"_s, {}, Song, 12, false, "face", true, 2640, 3360, 1095, 495, 81),
            r("Command30", "button", u"清空"_s, {}, Song, 12, false, "face", true, 3840, 3360, 1095, 495, 80),
            r("Label25", "label", u"相当于打"_s, {}, Song, 14.25, true, "black text", true, 3360, 6480, 1215,
              375, 82),
            r("zhe", "text", {}, {}, Kai, 14.25, true, "black on white", true, 4680, 6480, 1935, 405, 83),
            r("Label26", "label", u"折"_s, {}, Song, 14.25, true, "black text", true, 6720, 6480, 375, 375,
              84),
        });

    add(S3, "HostInfoPage",
        {
            r("Image10", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14805, 8055, -1),
            r("Label21", "label", u"本机IP地址为："_s, {}, Song, 14.25, true, "black text", true, 480, 1560,
              2175, 375, 70),
            r("ip", "text", {}, {}, Song, 14.25, true, "", true, 2520, 1560, 4215, 405, 71),
            r("Label22", "label", u"计算机名为："_s, {}, Song, 14.25, true, "black text", true, 480, 2160,
              1815, 375, 72),
            r("cname", "text", {}, {}, Song, 14.25, true, "", true, 2520, 2160, 4215, 405, 73),
            r("Command28", "button", u"获取"_s, {}, Song, 12, false, "face", true, 2640, 3360, 1095, 495, 74),
            r("Command29", "button", u"保存"_s, {}, Song, 12, false, "face", true, 3840, 3360, 1095, 495, 75),
            r("Label27", "label", u"*若有杀毒软件拦截，请准许通过，本软件不会对电脑造成任何伤害！"_s, {},
              Song, 9, false, "transparent", true, 120, 8160, 5535, 255, 145),
        });

    add(S2, "AboutPage",
        {
            r("Image11", "picture", {}, {}, {}, 0, false, "", true, 0, 360, 14850, 8445, -1),
            r("Image12", "picture", {}, {}, {}, 0, false, "", true, 960, 1560, 885, 870, -1),
            r("Label1", "label", u"名称：Morvela"_s, {}, Song, 12, false, "white text", true, 2280, 1680,
              3495, 255, 44),
            r("Label9", "label", u"版本：1.00"_s, {}, Song, 12, false, "white text", true, 2280, 2160, 1215,
              255, 45),
            r("Label28", "label", u"大小：18.5 MB"_s, {}, Song, 12, false, "white text", true, 2280, 2640,
              2655, 255, 146),
            r("Label11", "label", u"开发者：莫薇拉"_s, {}, Song, 12, false, "white text", true, 2280, 3120,
              1695, 255, 46),
            r("Label12", "label", u"发布日期：2009年8月1日"_s, {}, Song, 12, false, "white text", true, 2280,
              3600, 2655, 255, 47),
        });
    return rows;
}

// The tab controls: name, container (the window or a tab control), geometry in twips, tab index, captions.
struct TabRowSpec {
    const char *name;
    const char *container;
    int left, top, width, height;
    int tabIndex;
    QStringList captions;
};

QList<TabRowSpec> tabControlInventory() {
    const QStringList outer{u"日程管理"_s, u"实用工具"_s, u"关于"_s};
    const QStringList schedule{u"欢迎页"_s, u"日程表"_s, u"日期查询"_s, u"电子邮件"_s, u"便纸条"_s};
    const QStringList tools{u"二元一次方程计算器"_s, u"一元二次方程计算器"_s, u"不规则动词查询器"_s,
                            u"返卷→打折转换器"_s, u"IP地址、计算机名获取器"_s};
    return {
        {"SSTab2", "", 0, 0, 14895, 8895, 1, outer},
        {"SSTab1", "SSTab2", 0, 360, 14895, 8415, 2, schedule},
        {"SSTab3", "SSTab2", 0, 360, 14895, 8415, 25, tools},
    };
}

int px(int twips) {
    return twips / 15;
}

bool takesFocus(const char *kind) {
    return qstrcmp(kind, "button") == 0 || qstrcmp(kind, "text") == 0 || qstrcmp(kind, "multi") == 0;
}

// The page widget (a tab of some tab control) that holds the widget.
QWidget *pageOf(QWidget *widget) {
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget());
        if (stack && qobject_cast<QTabWidget *>(stack->parentWidget()))
            return w;
    }
    return nullptr;
}

QString textOf(QWidget *widget) {
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        return box->text();
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
        return box->toPlainText();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    return {};
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { m_fixture.reset(); }
    void controlStartingState_data();
    void controlStartingState();
    void everyNamedControlIsInTheInventory();
    void onlyTheNineBoxesHaveTooltips();
    void tabControls_data();
    void tabControls();
    void tabsShareTheirRowEvenly();
    void keyboardOrderFollowsTheTabIndexes();
    void tabKeyMovesToTheNextVisibleControl_data();
    void tabKeyMovesToTheNextVisibleControl();
    void keysOnAFocusedControlPressItsButton_data();
    void keysOnAFocusedControlPressItsButton();
    void eachTabControlKeepsItsActiveTab();
    void windowFrame();
    void closingAsksNothing();
    void declaredFamiliesStandForInstalledOnes_data();
    void declaredFamiliesStandForInstalledOnes();
    void declaredFontsAreDrawnWithInstalledChineseFonts_data();
    void declaredFontsAreDrawnWithInstalledChineseFonts();
    void picturesLieBeneathTheirPage();
    void picturesAreDecodedOnceWhenTheirPageIsFirstShown();
    void picturesAreNamedForAssistiveTools();
    void controlsAreNamedForAssistiveTools_data();
    void controlsAreNamedForAssistiveTools();
    void everyControlWithACaptionOrFocusHasAName();
    void buttonFaceColourIsDrawn();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();

private:
    std::unique_ptr<WindowFixture> m_fixture;
};

void MainWindowTest::controlStartingState_data() {
    QTest::addColumn<int>("index");
    const QList<Row> rows = inventory();
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(rows.at(i).name) << i;
}

void MainWindowTest::controlStartingState() {
    QFETCH(int, index);
    if (!m_fixture)
        m_fixture = std::make_unique<WindowFixture>(); // one window serves every row: nothing here changes it
    const WindowFixture &f = *m_fixture;
    const Row row = inventory().at(index);

    QWidget *widget = f.find(row.name);
    QVERIFY2(widget, row.name);
    const QString kind = QString::fromLatin1(row.kind);
    if (kind == u"button"_s)
        QVERIFY(qobject_cast<QPushButton *>(widget));
    else if (kind == u"text"_s)
        QVERIFY(qobject_cast<QLineEdit *>(widget));
    else if (kind == u"multi"_s)
        QVERIFY(qobject_cast<QPlainTextEdit *>(widget));
    else if (kind == u"label"_s)
        QVERIFY(qobject_cast<QLabel *>(widget) && !qobject_cast<PictureLabel *>(widget));
    else
        QVERIFY(qobject_cast<PictureLabel *>(widget));

    // Its page and tab control.
    auto *tabs = f.find<QTabWidget>(row.tabControl);
    QVERIFY(tabs);
    QWidget *page = pageOf(widget);
    QVERIFY(page);
    QCOMPARE(page->objectName(), QString::fromLatin1(row.page));
    QVERIFY(tabs->indexOf(page) >= 0);

    // Geometry in pixels from the tab control's top-left corner.
    QCOMPARE(widget->mapTo(tabs, QPoint(0, 0)), QPoint(px(row.left), px(row.top)));
    QCOMPARE(widget->size(), QSize(px(row.width), px(row.height)));

    QCOMPARE(!widget->isHidden(), row.shown);
    QVERIFY(widget->isEnabled());
    QCOMPARE(textOf(widget), row.text);
    QCOMPARE(widget->toolTip(), row.tooltip);

    if (!row.family.isEmpty()) {
        // The declared family, or the installed one standing in for it.
        QCOMPARE(widget->font().family(), installedFamily(row.family));
        QCOMPARE(widget->font().pointSizeF(), row.points);
        QCOMPARE(widget->font().bold(), row.bold);
    }

    const QString colours = QString::fromLatin1(row.colours);
    const QPalette palette = widget->palette();
    if (colours == u"black on white"_s) {
        QCOMPARE(palette.color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(palette.color(QPalette::Text), QColor(Qt::black));
    } else if (colours == u"black text"_s) {
        QCOMPARE(palette.color(QPalette::WindowText), QColor(Qt::black));
    } else if (colours == u"white text"_s) {
        QCOMPARE(palette.color(QPalette::WindowText), QColor(Qt::white));
    } else if (colours == u"face"_s) {
        QCOMPARE(palette.color(QPalette::Button), QColor(0xC0, 0xC0, 0xC0));
    }

    if (auto *label = qobject_cast<QLabel *>(widget); label && kind == u"label"_s) {
        QVERIFY(!label->autoFillBackground()); // draws only its text over the picture
        QVERIFY(label->alignment() & Qt::AlignLeft);
        QVERIFY(!label->wordWrap());
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
    if (auto *box = qobject_cast<QLineEdit *>(widget))
        QVERIFY(box->hasFrame());

    if (takesFocus(row.kind))
        QVERIFY(widget->focusPolicy() & Qt::TabFocus);
    else
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
}

// Every control of the pages is in the list above, and each name is on one control only.
void MainWindowTest::everyNamedControlIsInTheInventory() {
    WindowFixture f;
    QSet<QString> listed;
    for (const Row &row : inventory())
        listed.insert(QString::fromLatin1(row.name));
    QCOMPARE(listed.size(), inventory().size());

    QStringList notOnce;
    for (const QString &name : listed) {
        if (f.window.findChildren<QWidget *>(name).size() != 1)
            notOnce.append(name);
    }
    QCOMPARE(notOnce, QStringList());

    QStringList unlisted;
    const QStringList pages{u"WelcomePage"_s,   u"SchedulePage"_s,   u"DateQueryPage"_s,
                            u"MailPage"_s,      u"StickyNotePage"_s, u"LinearSystemPage"_s,
                            u"QuadraticPage"_s, u"VerbLookupPage"_s, u"RebatePage"_s,
                            u"HostInfoPage"_s,  u"AboutPage"_s};
    for (const QString &pageName : pages) {
        QWidget *page = f.find(pageName);
        QVERIFY2(page, qPrintable(pageName));
        for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!listed.contains(child->objectName()))
                unlisted.append(child->objectName());
        }
    }
    QCOMPARE(unlisted, QStringList());
}

void MainWindowTest::onlyTheNineBoxesHaveTooltips() {
    WindowFixture f;
    QStringList withTooltip;
    for (QWidget *widget : f.window.findChildren<QWidget *>()) {
        if (!widget->toolTip().isEmpty())
            withTooltip.append(widget->objectName());
    }
    withTooltip.sort();
    QCOMPARE(withTooltip,
             QStringList({u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"m"_s, u"n"_s, u"z"_s}));
}

void MainWindowTest::tabControls_data() {
    QTest::addColumn<int>("index");
    const QList<TabRowSpec> specs = tabControlInventory();
    for (int i = 0; i < specs.size(); ++i)
        QTest::newRow(specs.at(i).name) << i;
}

void MainWindowTest::tabControls() {
    QFETCH(int, index);
    const TabRowSpec tabRow = tabControlInventory().at(index);
    WindowFixture f;
    auto *tabs = f.find<QTabWidget>(tabRow.name);
    QVERIFY(tabs);
    QWidget *container = qstrlen(tabRow.container) == 0 ? &f.window : f.find(tabRow.container);
    QVERIFY(container);
    QCOMPARE(tabs->mapTo(container, QPoint(0, 0)), QPoint(px(tabRow.left), px(tabRow.top)));
    QCOMPARE(tabs->size(), QSize(px(tabRow.width), px(tabRow.height)));
    QCOMPARE(tabs->count(), tabRow.captions.size());
    for (int i = 0; i < tabs->count(); ++i)
        QCOMPARE(tabs->tabText(i), tabRow.captions.at(i));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(tabs->isEnabled());
    QCOMPARE(tabs->tabBar()->elideMode(), Qt::ElideNone);
    QVERIFY(!tabs->tabBar()->usesScrollButtons());
}

void MainWindowTest::tabsShareTheirRowEvenly() {
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    for (const TabRowSpec &tabRow : tabControlInventory()) {
        auto *tabs = f.find<QTabWidget>(tabRow.name);
        // A page of each inner tab control, so that its row of tabs is on the screen.
        if (qstrcmp(tabRow.name, "SSTab1") == 0)
            QVERIFY(f.selectPage(u"WelcomePage"_s));
        if (qstrcmp(tabRow.name, "SSTab3") == 0)
            QVERIFY(f.selectPage(u"LinearSystemPage"_s));
        QTRY_VERIFY(tabs->isVisible());
        QTabBar *bar = tabs->tabBar();
        const int count = bar->count();
        int total = 0;
        for (int i = 0; i < count; ++i) {
            const QRect r = bar->tabRect(i);
            QVERIFY2(qAbs(r.width() - tabs->width() / count) <= 1, tabRow.name);
            QCOMPARE(r.height(), 20);
            QCOMPARE(r.top(), bar->tabRect(0).top()); // one row
            total += r.width();
        }
        QCOMPARE(total, tabs->width());
        QCOMPARE(bar->mapTo(tabs, QPoint(0, 0)).y(), 0);
        // Page contents count from the tab control's corner.
        QCOMPARE(tabs->currentWidget()->mapTo(tabs, QPoint(0, 0)), QPoint(0, 0));
    }
    // The welcome picture lies 24 pixels below the top of its tab control.
    f.find<QTabWidget>(u"SSTab2"_s)->setCurrentIndex(0);
    QWidget *image1 = f.find(u"Image1"_s);
    QTRY_VERIFY(image1->isVisible());
    QCOMPARE(image1->mapTo(f.find(u"SSTab1"_s), QPoint(0, 0)), QPoint(0, 24));
    QCOMPARE(image1->mapTo(&f.window, QPoint(0, 0)), QPoint(0, 48));
}

void MainWindowTest::keyboardOrderFollowsTheTabIndexes() {
    WindowFixture f;
    QList<QPair<int, QString>> expected;
    for (const Row &row : inventory()) {
        if (takesFocus(row.kind))
            expected.append({row.tabIndex, QString::fromLatin1(row.name)});
    }
    for (const TabRowSpec &tabRow : tabControlInventory())
        expected.append({tabRow.tabIndex, QString::fromLatin1(tabRow.name)});
    std::sort(expected.begin(), expected.end());
    QStringList expectedNames;
    for (const auto &e : expected)
        expectedNames.append(e.second);

    QSet<QString> names(expectedNames.begin(), expectedNames.end());
    QStringList chain;
    QWidget *w = f.window.nextInFocusChain();
    for (int guard = 0; w != &f.window && guard < 10000; ++guard, w = w->nextInFocusChain()) {
        if (names.contains(w->objectName()) && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w->objectName());
    }
    QCOMPARE(chain, expectedNames);
}

void MainWindowTest::tabKeyMovesToTheNextVisibleControl_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("gridShown");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("linear: a, labels skipped") << u"LinearSystemPage"_s << false << u"a"_s << u"Command23"_s;
    QTest::newRow("linear: 计算 then b") << u"LinearSystemPage"_s << false << u"Command22"_s << u"b"_s;
    QTest::newRow("dates: 季度 first, box after 同步")
        << u"DateQueryPage"_s << false << u"Command17"_s << u"Text1"_s;
    QTest::newRow("mail: last button back to the outer tabs")
        << u"MailPage"_s << false << u"Command1"_s << u"SSTab2"_s;
    QTest::newRow("grid: down the left column") << u"SchedulePage"_s << true << u"Text2"_s << u"Text3"_s;
    QTest::newRow("grid: left column to right column")
        << u"SchedulePage"_s << true << u"Text18"_s << u"Text19"_s;
    QTest::newRow("grid: right column to 清空") << u"SchedulePage"_s << true << u"Text35"_s << u"qk"_s;
    QTest::newRow("grid: 清空 to 保存") << u"SchedulePage"_s << true << u"qk"_s << u"bc"_s;
    QTest::newRow("grid hidden: start button, then the tabs")
        << u"SchedulePage"_s << false << u"ks"_s << u"SSTab2"_s;
}

void MainWindowTest::tabKeyMovesToTheNextVisibleControl() {
    QFETCH(QString, page);
    QFETCH(bool, gridShown);
    QFETCH(QString, from);
    QFETCH(QString, to);
    WindowFixture f;
    QVERIFY(f.selectPage(page));
    if (gridShown) {
        // As the start button leaves the page.
        for (QWidget *child : f.find(u"SchedulePage"_s)->findChildren<QWidget *>())
            child->setVisible(child->objectName() != u"ks"_s);
    }
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QWidget *start = f.find(from);
    start->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(start->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *target = f.find(to);
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    // A tab control takes the focus with its row of tabs.
    QVERIFY2(focused == target || focused == target->focusProxy(), qPrintable(focused->objectName()));
}

void MainWindowTest::keysOnAFocusedControlPressItsButton_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("presses");
    QTest::newRow("Return on 同步为今日日期")
        << u"DateQueryPage"_s << u"Command17"_s << int(Qt::Key_Return) << u"Command17"_s << 1;
    QTest::newRow("keypad Enter on 更多……")
        << u"MailPage"_s << u"Command16"_s << int(Qt::Key_Enter) << u"Command16"_s << 1;
    QTest::newRow("Return on 开始始制作日程表")
        << u"SchedulePage"_s << u"ks"_s << int(Qt::Key_Return) << u"ks"_s << 1;
    QTest::newRow("Space on 同步为今日日期")
        << u"DateQueryPage"_s << u"Command17"_s << int(Qt::Key_Space) << u"Command17"_s << 1;
    // The window has no default button: Return in a text box presses nothing.
    QTest::newRow("Return in the date box")
        << u"DateQueryPage"_s << u"Text1"_s << int(Qt::Key_Return) << u"Command17"_s << 0;
}

// As on the desktop the program comes from, Enter presses the focused button as Space does.
void MainWindowTest::keysOnAFocusedControlPressItsButton() {
    QFETCH(QString, page);
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(QString, button);
    QFETCH(int, presses);
    WindowFixture f;
    QVERIFY(f.selectPage(page));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QWidget *target = f.find(focused);
    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus());
    QSignalSpy pressed(f.find<QPushButton>(button), &QPushButton::clicked);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(pressed.size(), presses);
}

void MainWindowTest::eachTabControlKeepsItsActiveTab() {
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    auto *outer = f.find<QTabWidget>(u"SSTab2"_s);
    auto *schedule = f.find<QTabWidget>(u"SSTab1"_s);
    auto *tools = f.find<QTabWidget>(u"SSTab3"_s);
    auto click = [](QTabWidget *tabs, int index) {
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
    };

    QCOMPARE(outer->currentIndex(), 0);
    QCOMPARE(schedule->currentIndex(), 0);
    QVERIFY(f.find(u"Image1"_s)->isVisible()); // 日程管理 → 欢迎页

    click(outer, 1);
    QCOMPARE(outer->currentIndex(), 1);
    click(tools, 3);
    QCOMPARE(tools->currentIndex(), 3);
    click(outer, 0);
    click(schedule, 2);
    QCOMPARE(schedule->currentIndex(), 2);
    QVERIFY(f.find(u"Text1"_s)->isVisible());
    QVERIFY(!f.find(u"mai"_s)->isVisible());

    click(outer, 1);
    QCOMPARE(tools->currentIndex(), 3);
    QVERIFY(f.find(u"mai"_s)->isVisible());
    QVERIFY(!f.find(u"Text1"_s)->isVisible());
    click(outer, 2);
    QVERIFY(f.find(u"Label1"_s)->isVisible());
    click(outer, 0);
    QCOMPARE(schedule->currentIndex(), 2);
    QVERIFY(f.find(u"Text1"_s)->isVisible());
}

void MainWindowTest::windowFrame() {
    WindowFixture f;
    QCOMPARE(f.window.windowTitle(), u"Morvela"_s);
    QCOMPARE(f.window.size(), QSize(993, 610));
    QCOMPARE(f.window.minimumSize(), QSize(993, 610));
    QCOMPARE(f.window.maximumSize(), QSize(993, 610));
    const Qt::WindowFlags flags = f.window.windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(f.window.isWindow());
    const QRect screen = f.window.screen()->availableGeometry();
    QVERIFY(qAbs(f.window.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(f.window.geometry().center().y() - screen.center().y()) <= 1);

    // The status bar lies across the bottom, over the outer tab control.
    QWidget *bar = f.find(u"StatusBar1"_s);
    QVERIFY(bar);
    QCOMPARE(bar->geometry(), QRect(0, 584, 993, 26));
    QWidget *outer = f.find(u"SSTab2"_s);
    const QObjectList stacking = f.window.children();
    QVERIFY(stacking.indexOf(bar) > stacking.indexOf(outer));
}

void MainWindowTest::closingAsksNothing() {
    WindowFixture f;
    f.find<QLineEdit>(u"Text2"_s)->setText(u"会议"_s);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QVERIFY(f.window.close());
    QVERIFY(f.platform.dialogs.shown().isEmpty());
    QVERIFY(f.window.testAttribute(Qt::WA_QuitOnClose));
}

void MainWindowTest::declaredFontsAreDrawnWithInstalledChineseFonts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("drawnWith");
    QTest::newRow("宋体 (default)") << u"ks"_s << u"AR PL UMing CN"_s;
    QTest::newRow("宋体 12 pt") << u"Text1"_s << u"AR PL UMing CN"_s;
    QTest::newRow("楷体_GB2312") << u"a"_s << u"AR PL UKai CN"_s;
    QTest::newRow("黑体") << u"Label2"_s << u"WenQuanYi Zen Hei"_s;
}

void MainWindowTest::declaredFamiliesStandForInstalledOnes_data() {
    QTest::addColumn<QString>("declared");
    QTest::addColumn<QString>("installed");
    QTest::newRow("宋体") << u"宋体"_s << u"AR PL UMing CN"_s;
    QTest::newRow("楷体_GB2312") << u"楷体_GB2312"_s << u"AR PL UKai CN"_s;
    QTest::newRow("黑体") << u"黑体"_s << u"WenQuanYi Zen Hei"_s;
    QTest::newRow("installed family stays") << u"AR PL UKai CN"_s << u"AR PL UKai CN"_s;
    QTest::newRow("unknown family stays") << u"No Such Family"_s << u"No Such Family"_s;
}

void MainWindowTest::declaredFamiliesStandForInstalledOnes() {
    QFETCH(QString, declared);
    QFETCH(QString, installed);
    WindowFixture f; // installs the substitutions
    QCOMPARE(installedFamily(declared), installed);
    // Any other font asked for by its declared name is drawn with the same installed font.
    if (declared != installed && declared != u"No Such Family"_s)
        QCOMPARE(QFontInfo(QFont(declared)).family(), installed);
}

void MainWindowTest::declaredFontsAreDrawnWithInstalledChineseFonts() {
    QFETCH(QString, control);
    QFETCH(QString, drawnWith);
    WindowFixture f;
    QWidget *widget = f.find(control);
    QVERIFY(widget);
    QCOMPARE(QFontInfo(widget->font()).family(), drawnWith);
    // The text has glyphs: no box stands in for a missing character.
    const QString text = textOf(widget).isEmpty() ? u"请输入"_s : textOf(widget);
    QFontMetrics metrics(widget->font());
    for (QChar c : text)
        QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
}

void MainWindowTest::picturesLieBeneathTheirPage() {
    WindowFixture f;
    for (const Row &row : inventory()) {
        QWidget *widget = f.find(row.name);
        QWidget *page = widget->parentWidget();
        const QObjectList stacking = page->children();
        const qsizetype at = stacking.indexOf(widget);
        for (QObject *other : stacking) {
            auto *sibling = qobject_cast<QWidget *>(other);
            if (!sibling || qobject_cast<PictureLabel *>(sibling))
                continue;
            if (qobject_cast<PictureLabel *>(widget))
                QVERIFY2(at < stacking.indexOf(sibling), row.name);
        }
    }
    auto above = [&](const char *upper, const char *lower) {
        QWidget *u = f.find(upper);
        QWidget *l = f.find(lower);
        const QObjectList stacking = u->parentWidget()->children();
        return stacking.indexOf(u) > stacking.indexOf(l);
    };
    QVERIFY(above("ybzt", "wbzt"));
    QVERIFY(above("Image12", "Image11"));
}

void MainWindowTest::picturesAreDecodedOnceWhenTheirPageIsFirstShown() {
    WindowFixture f;
    PictureStore &store = f.window.pictures();
    QCOMPARE(store.totalDecodes(), 0); // building the window decodes nothing

    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QTRY_VERIFY(f.find<PictureLabel>(u"Image1"_s)->isLoaded());
    QCOMPARE(store.totalDecodes(), 1);
    QCOMPARE(store.decodes(u":/pictures/welcome.bmp"_s), 1);
    QVERIFY(!f.find<PictureLabel>(u"Image2"_s)->isLoaded());

    const QStringList toolPages{u"LinearSystemPage"_s, u"QuadraticPage"_s, u"VerbLookupPage"_s,
                                u"RebatePage"_s, u"HostInfoPage"_s};
    for (const QString &page : toolPages) {
        QVERIFY(f.selectPage(page));
        QCoreApplication::processEvents();
    }
    QCOMPARE(store.decodes(u":/pictures/tools.bmp"_s), 1);
    const QStringList shared{u"Image6"_s, u"Image7"_s, u"Image8"_s, u"Image9"_s, u"Image10"_s};
    const qint64 key = f.find<PictureLabel>(u"Image6"_s)->pixmap().cacheKey();
    for (const QString &name : shared) {
        auto *picture = f.find<PictureLabel>(name);
        QVERIFY2(picture->isLoaded(), qPrintable(name));
        if (!picture->pixmap().isNull())
            QCOMPARE(picture->pixmap().cacheKey(), key);
    }

    // The note card is decoded only when a note is first shown.
    QVERIFY(f.selectPage(u"StickyNotePage"_s));
    QCoreApplication::processEvents();
    QVERIFY(f.find<PictureLabel>(u"wbzt"_s)->isLoaded());
    QVERIFY(!f.find<PictureLabel>(u"ybzt"_s)->isLoaded());
    f.find(u"ybzt"_s)->show();
    QVERIFY(f.find<PictureLabel>(u"ybzt"_s)->isLoaded());

    // Pictures are drawn at their natural size, one pixel per pixel.
    for (const Row &row : inventory()) {
        auto *picture = f.find<PictureLabel>(row.name);
        if (picture && !picture->pixmap().isNull())
            QCOMPARE(picture->pixmap().size(), picture->size());
    }
}

void MainWindowTest::picturesAreNamedForAssistiveTools() {
    WindowFixture f;
    // The welcome picture carries words and the about page's emblem stands for the program; every other
    // picture only decorates its page and has no name.
    QCOMPARE(f.find(u"Image1"_s)->accessibleName(), u"欢迎使用"_s);
    QCOMPARE(f.find(u"Image12"_s)->accessibleName(), u"日历徽标"_s);
    for (const Row &row : inventory()) {
        if (qstrcmp(row.kind, "picture") == 0 && qstrcmp(row.name, "Image1") != 0 &&
            qstrcmp(row.name, "Image12") != 0)
            QVERIFY2(f.find(row.name)->accessibleName().isEmpty(), row.name);
    }
}

void MainWindowTest::controlsAreNamedForAssistiveTools_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("button: its caption") << u"ks"_s << u"开始始制作日程表"_s;
    QTest::newRow("label: its caption") << u"Label1"_s << u"名称：Morvela"_s;
    QTest::newRow("slot 06:00: its time") << u"Text2"_s << u"06：00"_s;
    QTest::newRow("slot 06:30: its time") << u"Text19"_s << u"06：30"_s;
    QTest::newRow("slot 22:30: its time") << u"Text35"_s << u"22：30"_s;
    QTest::newRow("equation box: its equation and what it holds") << u"m"_s << u"第一个方程：得数"_s;
    QTest::newRow("equation box e: what it holds") << u"e"_s << u"x二次项的系数"_s;
    QTest::newRow("verb box: its caption") << u"dc"_s << u"动词原型："_s;
    QTest::newRow("rebate spend: its caption") << u"mai"_s << u"返卷规则：买"_s;
    QTest::newRow("rebate voucher: its caption") << u"fan"_s << u"返"_s;
    QTest::newRow("discount: the captions around it") << u"zhe"_s << u"相当于打…折"_s;
    QTest::newRow("address: its caption") << u"ip"_s << u"本机IP地址为："_s;
    QTest::newRow("computer name: its caption") << u"cname"_s << u"计算机名为："_s;
    QTest::newRow("date box") << u"Text1"_s << u"日期"_s;
    QTest::newRow("note box") << u"Text36"_s << u"便纸条"_s;
}

// What a screen reader announces for a control: a text box beside a caption carries that caption.
void MainWindowTest::controlsAreNamedForAssistiveTools() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    if (!m_fixture)
        m_fixture = std::make_unique<WindowFixture>();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_fixture->find(control));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

// Every control that can take the focus or shows a caption has a name a screen reader can announce.
void MainWindowTest::everyControlWithACaptionOrFocusHasAName() {
    if (!m_fixture)
        m_fixture = std::make_unique<WindowFixture>();
    for (const Row &row : inventory()) {
        if (takesFocus(row.kind) || !row.text.isEmpty()) {
            QAccessibleInterface *accessible =
                QAccessible::queryAccessibleInterface(m_fixture->find(row.name));
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(), row.name);
        }
    }
}

// The face colour C0C0C0 reaches the screen on the buttons that have it, and not on the others.
void MainWindowTest::buttonFaceColourIsDrawn() {
    WindowFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    auto faceOf = [&](const QString &name) {
        f.selectPage(pageOf(f.find(name))->objectName());
        QCoreApplication::processEvents();
        const QImage image = f.find(name)->grab().toImage();
        // The face colour sampled beside the caption, halfway down the left quarter.
        return image.pixelColor(image.width() / 8, image.height() / 2);
    };
    auto near = [](const QColor &c, int grey) {
        return qAbs(c.red() - grey) <= 24 && qAbs(c.green() - grey) <= 24 && qAbs(c.blue() - grey) <= 24;
    };
    const QColor face = faceOf(u"Command22"_s);
    QVERIFY2(near(face, 0xC0), qPrintable(face.name()));
    const QColor plain = faceOf(u"ks"_s);
    QVERIFY2(!near(plain, 0xC0), qPrintable(plain.name()));
}

void MainWindowTest::captionsFitTheirControls_data() {
    QTest::addColumn<QString>("control");
    for (const Row &row : inventory()) {
        if (!row.text.isEmpty())
            QTest::newRow(row.name) << QString::fromLatin1(row.name);
    }
    for (int panel = 1; panel <= 4; ++panel)
        QTest::newRow(qPrintable(u"panel%1"_s.arg(panel))) << u"panel%1"_s.arg(panel);
}

// The drawn text of a caption, a starting text or a status panel ends inside its control.
void MainWindowTest::captionsFitTheirControls() {
    QFETCH(QString, control);
    if (!m_fixture)
        m_fixture = std::make_unique<WindowFixture>();
    const WindowFixture &f = *m_fixture;
    QWidget *widget = control.startsWith(u"panel"_s)
                          ? f.find<StatusBar>(u"StatusBar1"_s)->findChild<QLabel *>(control)
                          : f.find(control);
    QVERIFY(widget);
    const QString text = textOf(widget);
    const QFontMetrics metrics(widget->font());
    int room = widget->width();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        const int indent =
            label->indent() >= 0
                ? label->indent()
                : (label->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0);
        room = label->contentsRect().width() - indent;
    } else {
        room -= 8; // the frame and margins of a button or a text box
    }
#ifdef Q_OS_WIN
    // Under Wine the offscreen platform draws WenQuanYi Zen Hei (standing in for 黑体) with hinted advances
    // and a synthetic bold one pixel wider than on Linux; a Chinese Windows draws these with 黑体 itself.
    QEXPECT_FAIL("Label17", "x1= in the stand-in for 黑体 takes the label's last pixel under Wine", Continue);
    QEXPECT_FAIL("Label16", "x2= in the stand-in for 黑体 takes the label's last pixel under Wine", Continue);
#endif
    QVERIFY2(metrics.boundingRect(text).right() < room,
             qPrintable(
                 u"%1 needs %2 of %3 pixels"_s.arg(text).arg(metrics.boundingRect(text).right()).arg(room)));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
