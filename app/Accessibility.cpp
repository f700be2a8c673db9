// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include "app/PictureLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace morvela {

bool isSilentToAssistiveTools(const QWidget *control) {
    if (qobject_cast<const PictureLabel *>(control))
        return control->accessibleName().isEmpty();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->accessibleName().isEmpty() && label->text().isEmpty();
    return false;
}

namespace {

// A container (a page, the status bar, the window) whose children, as assistive tools see them, are its
// child controls in their stacking order less the silent ones.
class ContainerAccessible final : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return int(heard().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QWidget *> children = heard();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(heard().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> heard() const {
        QList<QWidget *> children;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !isSilentToAssistiveTools(w))
                children.append(w);
        }
        return children;
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("morvela::MainWindow"))
        return new ContainerAccessible(widget, QAccessible::Window); // a frame, named by its title
    if (className == QLatin1String("morvela::TabPage"))
        return new ContainerAccessible(widget, QAccessible::Client);
    if (className == QLatin1String("morvela::StatusBar"))
        return new ContainerAccessible(widget, QAccessible::StatusBar);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

} // namespace morvela
