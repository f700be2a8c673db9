#include "schedule/ScheduleExport.h"

#include "common/DateTexts.h"
#include "platform/FileNames.h"
#include "platform/FileSystem.h"
#include "schedule/ScheduleSlot.h"

namespace morvela {

QString FileNameSafeText(const QString &text) {
    QString out = text;
    for (QChar &c : out)
        if (isForbiddenInFileName(c))
            c = QLatin1Char('-');
    return out;
}

QString ScheduleFileNameForDateText(const QString &shortDate) {
    return OutputRoot + FileNameSafeText(shortDate) + QStringLiteral(" 的日程表.txt");
}

QString ScheduleFileName(const QDate &today) {
    return ScheduleFileNameForDateText(ShortDateText(today));
}

QStringList ScheduleFileLines(const QDate &today, const QDateTime &moment, const QStringList &slotTexts) {
    QStringList lines;
    lines.reserve(ScheduleSlotCount + 4);
    lines << ShortDateText(today) + QStringLiteral(" 的日程表");
    lines << QString();
    const auto &table = ScheduleSlots();
    for (int s = 0; s < ScheduleSlotCount; ++s)
        lines << table[s].timeText + QStringLiteral("    ") + slotTexts.value(s);
    lines << QString();
    lines << QStringLiteral("制表时间： ") + DateTimeText(moment);
    return lines;
}

} // namespace morvela
