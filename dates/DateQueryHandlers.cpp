#include "dates/DateQueryHandlers.h"

#include "common/Controls.h"
#include "common/DateTexts.h"
#include "common/HandlerEntry.h"
#include "dates/DateQuery.h"
#include "dates/SeasonQuery.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace morvela {

DateQueryHandlers::DateQueryHandlers(QWidget *window, Services &services)
    : QObject(window), m_services(services), m_text1(control<QLineEdit>(window, "Text1")) {
    connectClick(control<QPushButton>(window, "Command17"), this, &DateQueryHandlers::Command17_Click);
    connectClick(control<QPushButton>(window, "Command18"), this, &DateQueryHandlers::Command18_Click);
    connectClick(control<QPushButton>(window, "Command19"), this, &DateQueryHandlers::Command19_Click);
    connectClick(control<QPushButton>(window, "Command20"), this, &DateQueryHandlers::Command20_Click);
    connectClick(control<QPushButton>(window, "Command21"), this, &DateQueryHandlers::Command21_Click);
}

void DateQueryHandlers::Command17_Click() {
    m_text1->setText(ShortDateText(m_services.clock.today()));
}

// A text that is not a date (the empty text included) has no weekday to tell: no message.
void DateQueryHandlers::Command18_Click() {
    const std::optional<QDate> date = ParseQueryDate(m_text1->text());
    if (date)
        m_services.dialogs.InfoBox(WeekdayMessage(WeekdayNumber(*date)), InfoIcon::Information);
}

// Likewise silent for a text that is not a date.
void DateQueryHandlers::Command19_Click() {
    const std::optional<QDate> date = ParseQueryDate(m_text1->text());
    if (date)
        m_services.dialogs.InfoBox(WeekOfYearMessage(WeekOfYear(*date)), InfoIcon::Information);
}

// Likewise silent for a text that is not a date.
void DateQueryHandlers::Command20_Click() {
    const std::optional<QDate> date = ParseQueryDate(m_text1->text());
    if (date)
        m_services.dialogs.InfoBox(DayOfYearMessage(DayOfYear(*date)), InfoIcon::Information);
}

// The hemisphere is asked on every press, also when the text is not a date; the season follows
// only for a date, and only after Yes or No.
void DateQueryHandlers::Command21_Click() {
    const std::optional<QDate> date = ParseQueryDate(m_text1->text());
    const int quarter = date ? QuarterOfYear(*date) : 0;

    const DialogAnswer answer = m_services.dialogs.ConfirmBox(
        QStringLiteral("请问您所在的地理位置是在北半球吗？"), ConfirmForm::YesNo);
    if (answer != DialogAnswer::Yes && answer != DialogAnswer::No)
        return;
    if (quarter == 0)
        return;
    m_services.dialogs.InfoBox(SeasonMessage(quarter, answer == DialogAnswer::Yes), InfoIcon::Information);
}

} // namespace morvela
