// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace morvela {

// The calendar quarter of the date's month: January to March 1, ... October to December 4;
// 0 for an invalid date.
int QuarterOfYear(const QDate &date);

// The season of a quarter in one hemisphere. The seasons change with the quarters, so in the north
// March is still winter and December is autumn. Empty for a quarter outside 1..4.
QString SeasonMessage(int quarter, bool northern);

} // namespace morvela
