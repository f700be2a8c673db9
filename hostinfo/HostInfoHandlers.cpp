#include "hostinfo/HostInfoHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

HostInfoHandlers::HostInfoHandlers(QWidget *window, Services &services) : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
