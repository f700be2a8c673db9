// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The names of the date query page's controls, written here once for the page's rows, its handlers and
// the tests.
namespace datequerypage {
inline constexpr QLatin1String Page{"DateQueryPage"};
inline constexpr QLatin1String DateBox{"Text1"};           // the date the queries read
inline constexpr QLatin1String TodayButton{"Command17"};   // "同步为今日日期"
inline constexpr QLatin1String WeekdayButton{"Command18"}; // "计算当天为星期几"
inline constexpr QLatin1String WeekButton{"Command19"};    // "计算当天为第几周"
inline constexpr QLatin1String DayButton{"Command20"};     // "计算当天为第几天"
inline constexpr QLatin1String SeasonButton{"Command21"};  // "计算当天所处的季度"
} // namespace datequerypage

// "日程管理" → "日期查询": the date box and the five query buttons.
PageSpec dateQueryPage();

} // namespace morvela
