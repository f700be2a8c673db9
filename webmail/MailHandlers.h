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
    void Command1_Click() { openShortcut(0); }
    void Command2_Click() { openShortcut(1); }
    void Command3_Click() { openShortcut(2); }
    void Command4_Click() { openShortcut(3); }
    void Command5_Click() { openShortcut(4); }
    void Command6_Click() { openShortcut(5); }
    void Command7_Click() { openShortcut(6); }
    void Command8_Click() { openShortcut(7); }
    void Command9_Click() { openShortcut(8); }
    void Command10_Click() { openShortcut(9); }
    void Command11_Click() { openShortcut(10); }
    void Command12_Click() { openShortcut(11); }
    void Command13_Click() { openShortcut(12); }
    void Command14_Click() { openShortcut(13); }
    void Command15_Click() { openShortcut(14); }
    void Command16_Click() { openShortcut(15); }

private:
    // Launches the address of the table's row (Command1 is row 0); whatever the shell answers, nothing
    // else happens.
    void openShortcut(qsizetype row);

    Services &m_services;
};

} // namespace morvela
