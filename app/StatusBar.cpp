// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusBar.h"

#include "app/AboutTexts.h"
#include "common/DateTexts.h"
#include "platform/Clock.h"

#include <QTimer>

namespace morvela {

using namespace Qt::StringLiterals;

StatusBar::StatusBar(Clock &clock, const QList<int> &widths, const QRect &geometry, QWidget *parent)
    : QWidget(parent), m_clock(clock), m_minute(new QTimer(this)) {
    setGeometry(geometry);
    setAutoFillBackground(true);
    int left = 0;
    for (int i = 0; i <= widths.size(); ++i) {
        const int width = i < widths.size() ? widths.at(i) : qMax(0, geometry.width() - left);
        auto *panel = new QLabel(this);
        panel->setObjectName(u"panel%1"_s.arg(i + 1));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        panel->setGeometry(left, 0, width, geometry.height());
        m_panels.append(panel);
        left += width;
    }
    if (m_panels.size() >= 2) {
        m_panels[0]->setText(u"   软件开发："_s + u"  "_s + DeveloperName);
        m_panels[1]->setText(u"  作者邮箱："_s + DeveloperMail);
    }
    m_minute->setSingleShot(true);
    m_minute->setTimerType(Qt::PreciseTimer);
    connect(m_minute, &QTimer::timeout, this, &StatusBar::refresh);
    refresh();
}

void StatusBar::refresh() {
    const QDateTime now = m_clock.now();
    if (m_panels.size() >= 4) {
        m_panels[2]->setText(now.isValid() ? ShortDateText(now.date()) : QString());
        m_panels[3]->setText(now.isValid() ? shortTimeText(now.time()) : QString());
    }
    // The next reading comes just after the minute changes.
    const QTime time = now.time();
    const int intoMinute = time.isValid() ? time.second() * 1000 + time.msec() : 0;
    m_minute->start(60000 - intoMinute + 20);
}

} // namespace morvela
