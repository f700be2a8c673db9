// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace morvela {

// The text with "-" in place of every character that no file name can hold (\ / : * ? " < > | and
// the control characters), so that a regional short date such as 7/23/2009 still gives a file name.
QString fileNameSafeText(const QString &text);

// "D:\" + the short date of today + " 的日程表.txt". The date part is made file-name safe; under the
// reference date form (2009-7-23) it is unchanged.
QString ScheduleFileName(const QDate &today);

// The same path from the short date as a text: "7/23/2009" gives "D:\7-23-2009 的日程表.txt".
QString scheduleFileNameForDateText(const QString &shortDate);

// The 38 lines of the schedule file, without their line ends: the title, an empty line, one line per
// slot in time order (time text, four blanks, the slot's text as typed), an empty line and the time of
// writing. `slotTexts` holds the texts of the slots in slot order; a missing text counts as empty.
QStringList ScheduleFileLines(const QDate &today, const QDateTime &moment, const QStringList &slotTexts);

} // namespace morvela
