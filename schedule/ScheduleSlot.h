// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

namespace morvela {

// One half hour of the day's schedule: the time text written before its entry in the schedule file
// and the name of the one-line text box that holds the entry.
struct ScheduleSlot {
    QString timeText; // "06：00" ... "22：30", with the full-width colon U+FF1A
    const char *box;  // "Text2" ... "Text35"
};

inline constexpr int ScheduleSlotCount = 34;

// The 34 slots in time order: slot s starts at 06:00 plus 30 × s minutes. The full hours live in the
// left column (Text2 ... Text18), the half hours in the right one (Text19 ... Text35).
const std::array<ScheduleSlot, ScheduleSlotCount> &scheduleSlots();

} // namespace morvela
