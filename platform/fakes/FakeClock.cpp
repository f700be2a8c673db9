// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FakeClock.h"

namespace morvela {

FakeClock::FakeClock(QDateTime moment) : m_moments{moment} {}

QDateTime FakeClock::next() {
    ++m_readings;
    return m_moments.size() > 1 ? m_moments.takeFirst() : m_moments.first();
}

QDate FakeClock::today() {
    return next().date();
}

QDateTime FakeClock::now() {
    return next();
}

} // namespace morvela
