// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

class QLocale;

namespace morvela {

// The date a query text names, or none. Full-width forms are first read as their ASCII counterparts
// (FoldFullWidth). Accepted, with blanks (space, tab, U+00A0, U+3000) before and after:
//   - a year of exactly four ASCII digits (0001 to 9999), a month and a day of one or two ASCII
//     digits each, in this order, separated by "-" or by "/" (the same one twice): 2009-8-1,
//     2009-08-01, 2009/8/1, 0100-1-1;
//   - the same numbers written the Chinese way: 2009年8月1日;
//   - on Windows, first of all, the user's regional short date (see parseLocaleDate).
// The date must exist in the (proleptic) Gregorian calendar. Anything else is not a date.
std::optional<QDate> ParseQueryDate(QStringView text);

// The text read in the given date format (Qt's format letters d, dd, M, MM, yy, yyyy and quoted
// literals), with blanks around allowed. Day and month take one or two digits whatever the format's
// padding; "yyyy" takes exactly four digits, "yy" exactly two, read as a year from 1950 to 2049.
// Formats holding anything else (month or weekday names) are handed to the locale's own parser.
std::optional<QDate> parseLocaleDate(QStringView text, const QLocale &locale, const QString &format);

// Sunday 1, Monday 2, ... Saturday 7, whatever the locale's first day of the week; 0 for an invalid date.
int WeekdayNumber(const QDate &date);

// 1 for 1 January, up to 365 or 366; 0 for an invalid date.
int DayOfYear(const QDate &date);

// Weeks begin on Sunday and week 1 holds 1 January, however few of its days fall in the year:
// 1 to 53, and 54 for 31 December of a leap year that began on a Saturday. 0 for an invalid date.
int WeekOfYear(const QDate &date);

// The answers of the weekday, week and day queries.
QString weekdayMessage(int weekdayNumber); // "这一天是星期六。"; empty outside 1..7
QString weekOfYearMessage(int week);       // "这一天处于这一年的第31周。"
QString dayOfYearMessage(int day);         // "这一天是这一年的第213天。"

} // namespace morvela
