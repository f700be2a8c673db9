// SPDX-License-Identifier: GPL-3.0-or-later
#include "verbs/IrregularVerbTable.h"

namespace morvela {

namespace {

// Meanings shared by several entries, stored once.
constexpr std::u16string_view IsMeaning = u"是";
constexpr std::u16string_view DoMeaning = u"做";
constexpr std::u16string_view HaveMeaning = u"拥有";
constexpr std::u16string_view SpendMeaning = u"花费";

constexpr VerbEntry Rows[] = {
    {u"am", u"am-was-been", IsMeaning},
    {u"am/is", u"am/is-was-been", IsMeaning},
    {u"are", u"are-were-been", IsMeaning},
    {u"babysit", u"babysit-babysat-babysat", u"照顾"},
    {u"be", u"am/is/are-was/were-been", IsMeaning},
    {u"bear", u"bear-bore-born,borne", u"出生"},
    {u"beat", u"beat-beat-beaten,beat", u"敲打；战胜"},
    {u"become", u"become-became-become", u"成为"},
    {u"begin", u"begin-began-begun", u"开始"},
    {u"break", u"break-broke-broken", u"打破"},
    {u"bring", u"bring-brought-brought", u"带来"},
    {u"build", u"build-built-built", u"建造"},
    {u"buy", u"buy-bought-bought", u"买"},
    {u"can", u"can-could-(无完成时)", u"能够"},
    {u"catch", u"catch-caught-caught", u"抓住"},
    {u"come", u"come-came-come", u"来"},
    {u"cost", u"cost-cost-cost", SpendMeaning},
    {u"cut", u"cut-cut-cut", u"切"},
    {u"do", u"do-did-done", DoMeaning},
    {u"do/does", u"do/does-did-done", DoMeaning},
    {u"does", u"does-did-done", DoMeaning},
    {u"draw", u"draw-drew-drawn", u"拉"},
    {u"drink", u"drink-drank-drunk", u"喝"},
    {u"drive", u"drive-drove-driven", u"驾驶"},
    {u"eat", u"eat-ate-eaten", u"吃"},
    {u"fall", u"fall-fell-fallen", u"落下；摔倒"},
    {u"feed", u"feed-fed-fed", u"喂养"},
    {u"feel", u"feel-felt-felt", u"感觉"},
    {u"fight", u"fight-fought-fought", u"打架"},
    {u"find", u"find-found-found", u"寻找"},
    {u"fly", u"fly-flew-flown", u"飞"},
    {u"forget", u"forget-forgot-forgotten,forgot", u"忘记"},
    {u"freeze", u"freeze-froze-frozen", u"结冰"},
    {u"get", u"get-got-gotten,got", u"得到"},
    {u"give", u"give-gave-given", u"给"},
    {u"go", u"go-went-gone", u"走"},
    {u"grow", u"grow-grew-grown", u"生长"},
    {u"hang", u"hang-hung,hanged-hung,hanged", u"悬挂；绞死"},
    {u"have", u"have-had-had", HaveMeaning},
    {u"have/has", u"have/has-had-had", HaveMeaning},
    {u"has", u"has-had-had", HaveMeaning},
    {u"hear", u"hear-heard-heard", u"听"},
    {u"hold", u"hold-held-held", u"握住；举行"}, // "hold" means to grasp or to hold an event, not "to hope"
    {u"hurt", u"hurt-hurt-hurt", u"刺痛"},
    {u"keep", u"keep-kept-kept", u"保持"},
    {u"know", u"know-knew-known", u"知道"},
    {u"lay", u"lay-laid-laid", u"放；lie的过去式"},
    {u"learn", u"learn-learned,learnt-learned,learnt", u"学习"},
    {u"leave", u"leave-left-left", u"离开"},
    {u"lie", u"lie-lay,lied-lain,lied", u"躺"},
    {u"let", u"let-let-let", u"让"},
    {u"lose", u"lose-lost-lost", u"丢失"},
    {u"make", u"make-made-made", u"制造"},
    {u"may", u"may-might-(无完成时)", u"可能"},
    {u"mean", u"mean-meant-meant", u"表示"},
    {u"meet", u"meet-met-met", u"遇见"},
    {u"pay", u"pay-paid-paid", u"付款"},
    {u"put", u"put-put-put", u"放；击打（高尔夫球）"},
    {u"read", u"read-read-read", u"阅读"},
    {u"ride", u"ride-rode-ridden", u"骑（马或自行车）"},
    {u"ring", u"ring-rang-rung", u"鸣响"},
    {u"run", u"run-ran-run", u"跑"},
    {u"say", u"say-said-said", u"说"},
    {u"see", u"see-saw-seen", u"看见"},
    {u"sell", u"sell-sold-sold", u"卖"},
    {u"send", u"send-sent-sent", u"寄"},
    {u"shall", u"shall-should-(无完成时)", u"将要；必须"},
    {u"show", u"show-showed-shown,showed", u"展示"},
    {u"sing", u"sing-sang-sung", u"唱"},
    {u"sit", u"sit-sat-sat", u"坐"},
    {u"sleep", u"sleep-slept-slept", u"睡"},
    {u"speak", u"speak-spoke-spoken", u"讲"},
    {u"spell", u"spell-spelled,spelt-spelled,spelt", u"拼写"},
    {u"spend", u"spend-spent-spent", SpendMeaning},
    {u"stand", u"stand-stood-stood", u"站"},
    {u"sweep", u"sweep-swept-swept", u"打扫"},
    {u"swim", u"swim-swam-swum", u"游泳"},
    {u"take", u"take-took-taken", u"带走"},
    {u"teach", u"teach-taught-taught", u"教"},
    {u"tell", u"tell-told-told", u"告诉"},
    {u"think", u"think-thought-thought", u"想"},
    {u"wake", u"wake-woke-woken", u"醒来"},
    {u"wear", u"wear-wore-worn", u"穿"},
    {u"will", u"will-would-(无完成时)", u"将要"},
    {u"win", u"win-won-won", u"获胜"},
    {u"write", u"write-wrote-written", u"写"},
};

} // namespace

constexpr std::span<const VerbEntry> IrregularVerbTable{Rows};

const VerbEntry *lookupVerb(QStringView text) {
    const std::u16string_view wanted(text.utf16(), std::size_t(text.size()));
    for (const VerbEntry &entry : IrregularVerbTable)
        if (entry.key == wanted)
            return &entry;
    return nullptr;
}

} // namespace morvela
