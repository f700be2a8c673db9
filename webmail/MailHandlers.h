#pragma once

#include <QObject>

class QWidget;

namespace morvela {

struct MailShortcut;
struct Services;

// The click handlers of the e-mail page: each of the sixteen buttons opens its address in the web
// browser through the shell and returns at once.
class MailHandlers final : public QObject {
    Q_OBJECT
public:
    MailHandlers(QWidget *window, Services &services);

public Q_SLOTS:
    void Command1_Click() { openShortcut("Command1"); }
    void Command2_Click() { openShortcut("Command2"); }
    void Command3_Click() { openShortcut("Command3"); }
    void Command4_Click() { openShortcut("Command4"); }
    void Command5_Click() { openShortcut("Command5"); }
    void Command6_Click() { openShortcut("Command6"); }
    void Command7_Click() { openShortcut("Command7"); }
    void Command8_Click() { openShortcut("Command8"); }
    void Command9_Click() { openShortcut("Command9"); }
    void Command10_Click() { openShortcut("Command10"); }
    void Command11_Click() { openShortcut("Command11"); }
    void Command12_Click() { openShortcut("Command12"); }
    void Command13_Click() { openShortcut("Command13"); }
    void Command14_Click() { openShortcut("Command14"); }
    void Command15_Click() { openShortcut("Command15"); }
    void Command16_Click() { openShortcut("Command16"); }

private:
    // Launches the row's address; whatever the shell answers, nothing else happens.
    void openShortcut(const char *buttonName);

    Services &m_services;
};

} // namespace morvela
