#pragma once

#include <QObject>

class QWidget;

namespace morvela {

struct Services;

// The click handlers of one page. They find their controls in the window by name.
class ScheduleHandlers final : public QObject {
    Q_OBJECT
public:
    ScheduleHandlers(QWidget *window, Services &services);

private:
    QWidget *m_window;
    Services &m_services;
};

} // namespace morvela
