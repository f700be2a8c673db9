#include "verbs/VerbSearchHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

VerbSearchHandlers::VerbSearchHandlers(QWidget *window, Services &services) : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
