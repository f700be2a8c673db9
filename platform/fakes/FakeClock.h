// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <QList>

namespace morvela {

// A clock that stands still at a set moment, or steps through a list of moments (one per reading,
// the last one repeating). Counts its readings.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime moment = QDateTime(QDate(2009, 7, 23), QTime(21, 27, 5)));

    void set(const QDateTime &moment) { m_moments = {moment}; }
    void setSequence(const QList<QDateTime> &moments) { m_moments = moments; }

    QDate today() override;
    QDateTime now() override;

    int readings() const { return m_readings; }

private:
    QDateTime next();
    QList<QDateTime> m_moments;
    int m_readings = 0;
};

} // namespace morvela
