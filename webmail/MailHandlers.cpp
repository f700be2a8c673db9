#include "webmail/MailHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

MailHandlers::MailHandlers(QWidget *window, Services &services) : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
