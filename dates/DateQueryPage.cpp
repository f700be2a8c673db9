// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/DateQueryPage.h"

#include "dates/DateQueryHandlers.h"

namespace morvela {

using namespace Qt::StringLiterals;

PageSpec dateQueryPage() {
    using namespace datequerypage;
    const FontSpec def = defaultFont();
    const auto none = Colours::System;
    return {u"日期查询"_s,
            Page,
            {
                backgroundRow(u"Image3"_s, u":/pictures/datequery.bmp"_s, {}),
                textBoxRow(DateBox, u"请输入日期（yyyy-mm-dd）"_s, {}, Song12, none, true, 3960, 2280, 3375,
                           375, 8, u"日期"_s),
                buttonRow(TodayButton, u"同步为今日日期"_s, def, none, true, 7440, 2280, 3375, 375, 7),
                buttonRow(WeekdayButton, u"计算当天为星期几"_s, def, none, true, 3360, 3480, 3375, 375, 6),
                buttonRow(WeekButton, u"计算当天为第几周"_s, def, none, true, 8040, 3480, 3375, 375, 5),
                buttonRow(DayButton, u"计算当天为第几天"_s, def, none, true, 2760, 4560, 3375, 375, 4),
                buttonRow(SeasonButton, u"计算当天所处的季度"_s, def, none, true, 8640, 4560, 3375, 375, 3),
            },
            nullptr,
            [](QWidget *page, Services &services) { new DateQueryHandlers(page, services); }};
}

} // namespace morvela
