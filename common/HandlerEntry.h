// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QObject>

namespace morvela {

// The one way into the window's click handlers. No two handlers ever run at once: a click that arrives
// while a handler is still running (it can only be waiting for the answer to a message box then) is
// dropped, whatever brought it: the mouse, the keyboard, an assistive tool's press action, or a press
// that was already on its way when the box came up.
class HandlerEntry final {
public:
    HandlerEntry() : m_admitted(!s_running) { s_running = true; }
    ~HandlerEntry() {
        if (m_admitted)
            s_running = false;
    }
    HandlerEntry(const HandlerEntry &) = delete;
    HandlerEntry &operator=(const HandlerEntry &) = delete;

    bool admitted() const { return m_admitted; }

private:
    bool m_admitted;
    static inline bool s_running = false; // handlers run on the window's thread only
};

// Runs `handler` on `handlers` for every click of `button`, through the entry above.
template <class Handlers>
void connectClick(QAbstractButton *button, Handlers *handlers, void (Handlers::*handler)()) {
    QObject::connect(button, &QAbstractButton::clicked, handlers, [handlers, handler] {
        const HandlerEntry entry;
        if (entry.admitted())
            (handlers->*handler)();
    });
}

// Runs `action` for every click of `button` through the entry above, for handlers that take an argument
// (the mail page's one routine, given its button's row). `context` owns the connection.
template <class Action> void connectClick(QAbstractButton *button, QObject *context, Action action) {
    QObject::connect(button, &QAbstractButton::clicked, context, [action] {
        const HandlerEntry entry;
        if (entry.admitted())
            action();
    });
}

} // namespace morvela
