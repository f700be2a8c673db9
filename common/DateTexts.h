// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace morvela {

// The user's short date form; the reference form 2009-7-23 where the platform has no regional one.
QString ShortDateText(const QDate &date);

// ShortDateText of the date, a blank, and the long time form (21:27:05, 9:05:03); a moment at
// exactly midnight is its date alone.
QString DateTimeText(const QDateTime &moment);

// The long time form alone: 21:27:05, 9:05:03.
QString longTimeText(const QTime &time);

// Hours and minutes as the status bar shows them: 21:27, 9:05.
QString shortTimeText(const QTime &time);

// The pattern "hhmmss": 21:27:05 gives 212705, 00:00:05 gives 000005.
QString timeDigits(const QTime &time);

} // namespace morvela
