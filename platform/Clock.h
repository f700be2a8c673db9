// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>

namespace morvela {

// The local clock. Every call reads it afresh.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
    virtual QDateTime now() = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() override { return QDate::currentDate(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

} // namespace morvela
