#include "dates/DateQueryHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

DateQueryHandlers::DateQueryHandlers(QWidget *window, Services &services) : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
