// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

class QTimer;

namespace morvela {

class Clock;

// The window's status bar: five sunken panels side by side, the developer's name, the developer's
// e-mail address, today's date, the time of day (hours and minutes) and an empty panel. The date and
// time panels keep themselves current: the bar reads the clock again at every change of minute.
class StatusBar final : public QWidget {
    Q_OBJECT
public:
    // widths: the pixel widths of the first panels; the last panel takes the rest of the bar.
    StatusBar(Clock &clock, const QList<int> &widths, const QRect &geometry, QWidget *parent);

    // Panel number 1 … 5.
    QLabel *panel(int number) const { return m_panels.value(number - 1); }
    int panelCount() const { return int(m_panels.size()); }

    // Reads the clock, shows its date and time, and sets the next reading for the start of the next minute.
    void refresh();

private:
    Clock &m_clock;
    QList<QLabel *> m_panels;
    QTimer *m_minute; // single shot, set for the start of the next minute
};

} // namespace morvela
