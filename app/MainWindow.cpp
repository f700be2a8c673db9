#include "app/MainWindow.h"

#include "common/AppTexts.h"
#include "dates/DateQueryHandlers.h"
#include "hostinfo/HostInfoHandlers.h"
#include "note/NoteHandlers.h"
#include "platform/Services.h"
#include "rebate/RebateHandlers.h"
#include "schedule/ScheduleHandlers.h"
#include "solvers/LinearSystemHandlers.h"
#include "solvers/QuadraticHandlers.h"
#include "verbs/VerbSearchHandlers.h"
#include "webmail/MailHandlers.h"

namespace morvela {

MainWindow::MainWindow(Services &services, QWidget *parent) : QWidget(parent), m_services(services) {
    setWindowTitle(AppTitle);
    setFixedSize(993, 610);

    // The pages' handlers, each wired to its own buttons.
    new ScheduleHandlers(this, services);
    new NoteHandlers(this, services);
    new DateQueryHandlers(this, services);
    new MailHandlers(this, services);
    new LinearSystemHandlers(this, services);
    new QuadraticHandlers(this, services);
    new VerbSearchHandlers(this, services);
    new RebateHandlers(this, services);
    new HostInfoHandlers(this, services);
}

} // namespace morvela
