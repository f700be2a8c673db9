// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DateTexts.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace morvela {

// On Windows the user's regional forms apply. Other platforms have no user-set regional short date
// (and CLDR's Chinese one holds "/", which no file name can hold), so the reference forms apply there.

QString ShortDateText(const QDate &date) {
#ifdef Q_OS_WIN
    return QLocale::system().toString(date, QLocale::ShortFormat);
#else
    return u"%1-%2-%3"_s.arg(date.year(), 4, 10, QLatin1Char('0')).arg(date.month()).arg(date.day());
#endif
}

QString longTimeText(const QTime &time) {
#ifdef Q_OS_WIN
    return QLocale::system().toString(time, QLocale::LongFormat);
#else
    return u"%1:%2:%3"_s.arg(time.hour())
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
#endif
}

QString shortTimeText(const QTime &time) {
#ifdef Q_OS_WIN
    return QLocale::system().toString(time, QLocale::ShortFormat);
#else
    return u"%1:%2"_s.arg(time.hour()).arg(time.minute(), 2, 10, QLatin1Char('0'));
#endif
}

QString DateTimeText(const QDateTime &moment) {
    const QTime time = moment.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return ShortDateText(moment.date());
    return ShortDateText(moment.date()) + QLatin1Char(' ') + longTimeText(time);
}

QString timeDigits(const QTime &time) {
    return time.toString(u"hhmmss"_s);
}

} // namespace morvela
