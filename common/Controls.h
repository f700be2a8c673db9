// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>
#include <QWidget>

namespace morvela {

// A control of a page by its name. Handlers look up only the controls of their own page, once, when
// they are attached. Every control a handler touches is built with its page, so a missing one is a
// programming error, not a run-time condition.
template <class T> T *control(const QWidget *page, const QString &name) {
    T *found = page->findChild<T *>(name);
    if (!found)
        qFatal("Morvela: the page %s has no control named %s of the expected kind",
               qPrintable(page->objectName()), qPrintable(name));
    return found;
}

template <class T> T *control(const QWidget *page, QLatin1String name) {
    return control<T>(page, QString(name));
}

template <class T> T *control(const QWidget *page, const char *name) {
    return control<T>(page, QLatin1String(name));
}

} // namespace morvela
