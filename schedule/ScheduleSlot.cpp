// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ScheduleSlot.h"

using namespace Qt::StringLiterals;

namespace morvela {

const std::array<ScheduleSlot, ScheduleSlotCount> &scheduleSlots() {
    static const std::array<ScheduleSlot, ScheduleSlotCount> table{{
        {u"06：00"_s, "Text2"},  {u"06：30"_s, "Text19"}, {u"07：00"_s, "Text3"},  {u"07：30"_s, "Text20"},
        {u"08：00"_s, "Text4"},  {u"08：30"_s, "Text21"}, {u"09：00"_s, "Text5"},  {u"09：30"_s, "Text22"},
        {u"10：00"_s, "Text6"},  {u"10：30"_s, "Text23"}, {u"11：00"_s, "Text7"},  {u"11：30"_s, "Text24"},
        {u"12：00"_s, "Text8"},  {u"12：30"_s, "Text25"}, {u"13：00"_s, "Text9"},  {u"13：30"_s, "Text26"},
        {u"14：00"_s, "Text10"}, {u"14：30"_s, "Text27"}, {u"15：00"_s, "Text11"}, {u"15：30"_s, "Text28"},
        {u"16：00"_s, "Text12"}, {u"16：30"_s, "Text29"}, {u"17：00"_s, "Text13"}, {u"17：30"_s, "Text30"},
        {u"18：00"_s, "Text14"}, {u"18：30"_s, "Text31"}, {u"19：00"_s, "Text15"}, {u"19：30"_s, "Text32"},
        {u"20：00"_s, "Text16"}, {u"20：30"_s, "Text33"}, {u"21：00"_s, "Text17"}, {u"21：30"_s, "Text34"},
        {u"22：00"_s, "Text18"}, {u"22：30"_s, "Text35"},
    }};
    return table;
}

} // namespace morvela
