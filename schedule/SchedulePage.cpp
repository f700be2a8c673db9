// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/SchedulePage.h"

#include "schedule/ScheduleHandlers.h"
#include "schedule/ScheduleSlot.h"

namespace morvela {

using namespace Qt::StringLiterals;

QString schedulepage::hourLabel(int hour) {
    return u"d%1"_s.arg(hour);
}

namespace {

// The schedule grid: one row per hour h = 6 + k, k = 0 … 16, with the hour label and the boxes of the
// slots at h:00 (left column) and h:30 (right column).
QList<ControlSpec> scheduleGrid() {
    const auto &slots = scheduleSlots();
    QList<ControlSpec> grid;
    for (int k = 0; k <= 16; ++k) {
        const int hour = schedulepage::FirstHour + k;
        const int top = 1320 + 360 * k;
        const QString hh = u"%1"_s.arg(hour, 2, 10, QLatin1Char('0'));
        grid.append(labelRow(schedulepage::hourLabel(hour), hh + u"：00"_s, Song12, Colours::Transparent,
                             false, 1320, top, 735, 255, 85 + k));
    }
    for (int k = 0; k <= 16; ++k) {
        const ScheduleSlot &fullHour = slots[2 * k];
        grid.append(textBoxRow(QString::fromLatin1(fullHour.box), {}, {}, defaultFont(), Colours::System,
                               false, 2280, 1320 + 360 * k, 5535, 270, 102 + k, fullHour.timeText));
    }
    for (int k = 0; k <= 16; ++k) {
        const ScheduleSlot &halfHour = slots[2 * k + 1];
        grid.append(textBoxRow(QString::fromLatin1(halfHour.box), {}, {}, defaultFont(), Colours::System,
                               false, 7920, 1320 + 360 * k, 5535, 270, 119 + k, halfHour.timeText));
    }
    return grid;
}

} // namespace

PageSpec schedulePage() {
    using namespace schedulepage;
    const FontSpec def = defaultFont();
    const auto none = Colours::System;
    QList<ControlSpec> c{
        backgroundRow(u"Image2"_s, u":/pictures/schedule.bmp"_s, {}),
        labelRow(FullHourHeader, u"+0 min"_s, Song12, Colours::Transparent, false, 4680, 840, 735, 255, 136),
        labelRow(HalfHourHeader, u"+30 min"_s, Song12, Colours::Transparent, false, 10200, 840, 855, 255,
                 137),
        buttonRow(StartButton, u"开始始制作日程表"_s, def, none, true, 5760, 3840, 3375, 375, 140),
        buttonRow(ClearButton, u"清空日程表"_s, def, none, false, 3360, 7680, 3375, 375, 138),
        buttonRow(SaveButton, u"保存为文本文件"_s, def, none, false, 9000, 7680, 3375, 375, 139),
    };
    c.append(scheduleGrid());
    return {u"日程表"_s, Page, c, nullptr,
            [](QWidget *page, Services &services) { new ScheduleHandlers(page, services); }};
}

} // namespace morvela
