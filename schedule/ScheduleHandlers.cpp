#include "schedule/ScheduleHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

ScheduleHandlers::ScheduleHandlers(QWidget *window, Services &services)
    : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
