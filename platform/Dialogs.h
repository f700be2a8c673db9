// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace morvela {

// The two forms of the question dialog.
enum class ConfirmForm { OkCancel, YesNo };

// What the user answered. NoAnswer means the question was closed without one of its buttons
// (only possible for the Yes/No form, where the platform forced it shut); callers treat it as "not OK".
enum class DialogAnswer { Ok, Cancel, Yes, No, NoAnswer };

enum class InfoIcon { Information, Warning };

// The one way the handlers ask and tell the user. Every dialog is modal, titled AppTitle.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the question with the question-mark icon and waits for the answer.
    virtual DialogAnswer ConfirmBox(const QString &prompt, ConfirmForm form) = 0;
    // Shows a message with an OK button and waits until it is closed, however that happens.
    virtual void InfoBox(const QString &prompt, InfoIcon icon) = 0;
};

// The real dialogs: QMessageBoxes that are modal to the whole application, each with the given title
// (the program's AppTitle, which the platform does not know of itself). While one is up, the window set
// as its parent is disabled, as the system disables the owner of a modal box.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(const QString &title, QWidget *parent = nullptr) : m_title(title), m_parent(parent) {}
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    DialogAnswer ConfirmBox(const QString &prompt, ConfirmForm form) override;
    void InfoBox(const QString &prompt, InfoIcon icon) override;

private:
    QString m_title;
    QWidget *m_parent;
};

} // namespace morvela
