#include "solvers/LinearSystemHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

LinearSystemHandlers::LinearSystemHandlers(QWidget *window, Services &services) : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
