#include "schedule/ScheduleSlot.h"

namespace morvela {

const std::array<ScheduleSlot, ScheduleSlotCount> &ScheduleSlots() {
    static const std::array<ScheduleSlot, ScheduleSlotCount> table{{
        {QStringLiteral("06：00"), "Text2"},  {QStringLiteral("06：30"), "Text19"},
        {QStringLiteral("07：00"), "Text3"},  {QStringLiteral("07：30"), "Text20"},
        {QStringLiteral("08：00"), "Text4"},  {QStringLiteral("08：30"), "Text21"},
        {QStringLiteral("09：00"), "Text5"},  {QStringLiteral("09：30"), "Text22"},
        {QStringLiteral("10：00"), "Text6"},  {QStringLiteral("10：30"), "Text23"},
        {QStringLiteral("11：00"), "Text7"},  {QStringLiteral("11：30"), "Text24"},
        {QStringLiteral("12：00"), "Text8"},  {QStringLiteral("12：30"), "Text25"},
        {QStringLiteral("13：00"), "Text9"},  {QStringLiteral("13：30"), "Text26"},
        {QStringLiteral("14：00"), "Text10"}, {QStringLiteral("14：30"), "Text27"},
        {QStringLiteral("15：00"), "Text11"}, {QStringLiteral("15：30"), "Text28"},
        {QStringLiteral("16：00"), "Text12"}, {QStringLiteral("16：30"), "Text29"},
        {QStringLiteral("17：00"), "Text13"}, {QStringLiteral("17：30"), "Text30"},
        {QStringLiteral("18：00"), "Text14"}, {QStringLiteral("18：30"), "Text31"},
        {QStringLiteral("19：00"), "Text15"}, {QStringLiteral("19：30"), "Text32"},
        {QStringLiteral("20：00"), "Text16"}, {QStringLiteral("20：30"), "Text33"},
        {QStringLiteral("21：00"), "Text17"}, {QStringLiteral("21：30"), "Text34"},
        {QStringLiteral("22：00"), "Text18"}, {QStringLiteral("22：30"), "Text35"},
    }};
    return table;
}

} // namespace morvela
