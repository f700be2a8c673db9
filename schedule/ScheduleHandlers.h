// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/ScheduleSlot.h"

#include <QList>
#include <QObject>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace morvela {

struct Services;

// The schedule page: revealing the grid (ks), clearing it (qk) and exporting it (bc).
class ScheduleHandlers final : public QObject {
    Q_OBJECT
public:
    // Finds its controls on the page and wires its buttons; the page owns it.
    ScheduleHandlers(QWidget *page, Services &services);

public Q_SLOTS:
    void ks_Click();
    void qk_Click();
    void bc_Click();

private:
    Services &m_services;
    QList<QLabel *> m_hourLabels;                           // d6 ... d22
    QList<QLineEdit *> m_boxesByNumber;                     // Text2 ... Text35
    std::array<QLineEdit *, ScheduleSlotCount> m_slotBoxes; // in slot (time) order
    QLabel *m_fullHourHeader;                               // min0
    QLabel *m_halfHourHeader;                               // min30
    QPushButton *m_startButton;                             // ks
    QPushButton *m_clearButton;                             // qk
    QPushButton *m_saveButton;                              // bc
};

} // namespace morvela
