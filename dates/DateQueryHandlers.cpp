// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/DateQueryHandlers.h"

#include "common/Controls.h"
#include "common/DateTexts.h"
#include "common/HandlerEntry.h"
#include "dates/DateQuery.h"
#include "dates/DateQueryPage.h"
#include "dates/SeasonQuery.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace morvela {

DateQueryHandlers::DateQueryHandlers(QWidget *page, Services &services)
    : QObject(page), m_services(services), m_dateBox(control<QLineEdit>(page, datequerypage::DateBox)) {
    using namespace datequerypage;
    connectClick(control<QPushButton>(page, TodayButton), this, &DateQueryHandlers::Command17_Click);
    connectClick(control<QPushButton>(page, WeekdayButton), this, &DateQueryHandlers::Command18_Click);
    connectClick(control<QPushButton>(page, WeekButton), this, &DateQueryHandlers::Command19_Click);
    connectClick(control<QPushButton>(page, DayButton), this, &DateQueryHandlers::Command20_Click);
    connectClick(control<QPushButton>(page, SeasonButton), this, &DateQueryHandlers::Command21_Click);
}

void DateQueryHandlers::Command17_Click() {
    m_dateBox->setText(ShortDateText(m_services.clock.today()));
}

// A text that is not a date (the empty text included) has no weekday to tell: no message.
void DateQueryHandlers::Command18_Click() {
    const std::optional<QDate> date = ParseQueryDate(m_dateBox->text());
    if (date)
        m_services.dialogs.InfoBox(weekdayMessage(WeekdayNumber(*date)), InfoIcon::Information);
}

// Likewise silent for a text that is not a date.
void DateQueryHandlers::Command19_Click() {
    const std::optional<QDate> date = ParseQueryDate(m_dateBox->text());
    if (date)
        m_services.dialogs.InfoBox(weekOfYearMessage(WeekOfYear(*date)), InfoIcon::Information);
}

// Likewise silent for a text that is not a date.
void DateQueryHandlers::Command20_Click() {
    const std::optional<QDate> date = ParseQueryDate(m_dateBox->text());
    if (date)
        m_services.dialogs.InfoBox(dayOfYearMessage(DayOfYear(*date)), InfoIcon::Information);
}

// The hemisphere is asked on every press, also when the text is not a date; the season follows
// only for a date, and only after Yes or No.
void DateQueryHandlers::Command21_Click() {
    const std::optional<QDate> date = ParseQueryDate(m_dateBox->text());
    const int quarter = date ? QuarterOfYear(*date) : 0;

    const DialogAnswer answer =
        m_services.dialogs.ConfirmBox(u"请问您所在的地理位置是在北半球吗？"_s, ConfirmForm::YesNo);
    if (answer != DialogAnswer::Yes && answer != DialogAnswer::No)
        return;
    if (quarter == 0)
        return;
    m_services.dialogs.InfoBox(SeasonMessage(quarter, answer == DialogAnswer::Yes), InfoIcon::Information);
}

} // namespace morvela
