// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The names of the schedule page's controls, written here once for the page's rows, its handlers and
// the tests. The slot boxes (Text2 ... Text35) are named by the slot table (scheduleSlots).
namespace schedulepage {
inline constexpr QLatin1String Page{"SchedulePage"};
inline constexpr QLatin1String StartButton{"ks"};       // "开始始制作日程表"
inline constexpr QLatin1String ClearButton{"qk"};       // "清空日程表"
inline constexpr QLatin1String SaveButton{"bc"};        // "保存为文本文件"
inline constexpr QLatin1String FullHourHeader{"min0"};  // "+0 min", above the left column
inline constexpr QLatin1String HalfHourHeader{"min30"}; // "+30 min", above the right column
inline constexpr int FirstHour = 6;
inline constexpr int LastHour = 22;
// The label of an hour of the grid: d6 ... d22.
QString hourLabel(int hour);
} // namespace schedulepage

// "日程管理" → "日程表": the start button, and the grid it reveals with its clear and save buttons.
PageSpec schedulePage();

} // namespace morvela
