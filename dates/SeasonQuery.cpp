// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/SeasonQuery.h"

using namespace Qt::StringLiterals;

namespace morvela {

int QuarterOfYear(const QDate &date) {
    if (!date.isValid())
        return 0;
    return (date.month() - 1) / 3 + 1;
}

QString SeasonMessage(int quarter, bool northern) {
    // Quarter by quarter; the southern hemisphere is half a year ahead.
    static const char16_t *const north[4] = {u"冬", u"春", u"夏", u"秋"};
    static const char16_t *const south[4] = {u"夏", u"秋", u"冬", u"春"};
    if (quarter < 1 || quarter > 4)
        return QString();
    const char16_t *season = northern ? north[quarter - 1] : south[quarter - 1];
    return u"这一天处于"_s + QString::fromUtf16(season) + u"季。"_s;
}

} // namespace morvela
