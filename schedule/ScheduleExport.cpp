// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ScheduleExport.h"

#include "common/DateTexts.h"
#include "platform/FileNames.h"
#include "platform/FileSystem.h"
#include "schedule/ScheduleSlot.h"

using namespace Qt::StringLiterals;

namespace morvela {

QString fileNameSafeText(const QString &text) {
    QString out = text;
    for (QChar &c : out)
        if (isForbiddenInFileName(c))
            c = QLatin1Char('-');
    return out;
}

QString scheduleFileNameForDateText(const QString &shortDate) {
    return OutputRoot + fileNameSafeText(shortDate) + u" 的日程表.txt"_s;
}

QString ScheduleFileName(const QDate &today) {
    return scheduleFileNameForDateText(ShortDateText(today));
}

QStringList ScheduleFileLines(const QDate &today, const QDateTime &moment, const QStringList &slotTexts) {
    QStringList lines;
    lines.reserve(ScheduleSlotCount + 4);
    lines << ShortDateText(today) + u" 的日程表"_s;
    lines << QString();
    const auto &table = scheduleSlots();
    for (int s = 0; s < ScheduleSlotCount; ++s)
        lines << table[s].timeText + u"    "_s + slotTexts.value(s);
    lines << QString();
    lines << u"制表时间： "_s + DateTimeText(moment);
    return lines;
}

} // namespace morvela
