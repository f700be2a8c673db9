// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QWidget>

namespace morvela::test {

// Records, in order, the watched controls shown and hidden ("show ks", "hide ks").
class VisibilityLog : public QObject {
public:
    explicit VisibilityLog(const QList<QWidget *> &watched) {
        for (QWidget *widget : watched)
            widget->installEventFilter(this);
    }
    QStringList events;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ShowToParent)
            events << QStringLiteral("show ") + watched->objectName();
        else if (event->type() == QEvent::HideToParent)
            events << QStringLiteral("hide ") + watched->objectName();
        return false;
    }
};

} // namespace morvela::test
