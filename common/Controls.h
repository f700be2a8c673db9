#pragma once

#include <QString>
#include <QWidget>

namespace morvela {

// A control of the main window by its name. Every control the handlers touch is created with the
// window, so a missing one is a programming error, not a run-time condition.
template <class T> T *control(const QWidget *window, const char *name) {
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("Morvela: the window has no control named %s of the expected kind", name);
    return found;
}

} // namespace morvela
