// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace morvela {

struct Services;

// The click handlers of the date query page ("日期查询"): today's date into Text1, and the weekday,
// week-of-year, day-of-year and season queries on the date in Text1. They find their controls on their
// page.
class DateQueryHandlers final : public QObject {
    Q_OBJECT
public:
    DateQueryHandlers(QWidget *page, Services &services);

public Q_SLOTS:
    void Command17_Click(); // "同步为今日日期"
    void Command18_Click(); // "计算当天为星期几"
    void Command19_Click(); // "计算当天为第几周"
    void Command20_Click(); // "计算当天为第几天"
    void Command21_Click(); // "计算当天所处的季度"

private:
    Services &m_services;
    QLineEdit *m_dateBox; // Text1
};

} // namespace morvela
