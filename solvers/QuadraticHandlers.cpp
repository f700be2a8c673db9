#include "solvers/QuadraticHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

QuadraticHandlers::QuadraticHandlers(QWidget *window, Services &services) : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
