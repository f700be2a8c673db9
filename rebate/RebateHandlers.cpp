#include "rebate/RebateHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

RebateHandlers::RebateHandlers(QWidget *window, Services &services) : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
