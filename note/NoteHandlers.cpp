#include "note/NoteHandlers.h"

#include "platform/Services.h"

#include <QWidget>

namespace morvela {

NoteHandlers::NoteHandlers(QWidget *window, Services &services) : QObject(window), m_window(window), m_services(services) {}

} // namespace morvela
