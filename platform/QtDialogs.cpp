// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace morvela {

namespace {

// A message box that, in the Yes/No form, can be closed only by Yes or No: Esc and the close box are
// refused (Qt would otherwise take No as the escape button).
class MessageBox final : public QMessageBox {
public:
    MessageBox(QMessageBox::Icon icon, const QString &title, const QString &text, QWidget *parent,
               bool refuseEscape)
        : QMessageBox(icon, title, displayText(text), QMessageBox::NoButton, parent),
          m_refuseEscape(refuseEscape) {
        setWindowModality(Qt::ApplicationModal);
        setTextFormat(Qt::PlainText);
        // A title bar with the title alone: without CustomizeWindowHint the window manager would add its
        // own close box, which could not close this form.
        if (refuseEscape)
            setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (m_refuseEscape && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override {
        if (m_refuseEscape && !clickedButton()) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    // Prompts carry CR LF line breaks; a label shows a lone LF as the break.
    static QString displayText(QString text) {
        return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    }

    bool m_refuseEscape;
};

// While a box is up, the window that owns it is disabled, as the system disables the owner of a modal
// box: it takes no input by any path (mouse, keyboard, an assistive tool's press action, a click sent to
// it) and assistive tools see it and all its controls as unavailable. The box itself stays enabled.
// Afterwards the window is enabled again and the keyboard focus goes back to the control that had it.
class OwnerDisabled final {
public:
    OwnerDisabled(QWidget *owner, QWidget *box) {
        if (!owner || !owner->isEnabled())
            return;
        m_owner = owner;
        m_focus = owner->focusWidget();
        // Disabled, but drawn as before: the system leaves the owner of a modal box as it looks, where Qt
        // would grey every control of it. Only the disabled colours are set, so nothing else changes.
        m_palette = owner->palette();
        QPalette look;
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = QPalette::ColorRole(role);
            look.setBrush(QPalette::Disabled, r, m_palette.brush(QPalette::Inactive, r));
        }
        owner->setPalette(look);
        owner->setEnabled(false);
        box->setEnabled(true); // a window of its own: enabled even though its owner is not
    }
    ~OwnerDisabled() {
        if (!m_owner)
            return;
        m_owner->setEnabled(true);
        m_owner->setPalette(m_palette);
        if (m_focus && m_focus->isVisible() && m_focus->isEnabled())
            m_focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    OwnerDisabled(const OwnerDisabled &) = delete;
    OwnerDisabled &operator=(const OwnerDisabled &) = delete;

private:
    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_focus;
    QPalette m_palette;
};

} // namespace

DialogAnswer QtDialogs::ConfirmBox(const QString &prompt, ConfirmForm form) {
    const bool yesNo = form == ConfirmForm::YesNo;
    MessageBox box(QMessageBox::Question, m_title, prompt, m_parent, yesNo);
    QPushButton *accept = nullptr;
    QPushButton *reject = nullptr;
    if (yesNo) {
        accept = box.addButton(QMessageBox::Yes);
        reject = box.addButton(QMessageBox::No);
        accept->setText(u"是(&Y)"_s);
        reject->setText(u"否(&N)"_s);
    } else {
        accept = box.addButton(QMessageBox::Ok);
        reject = box.addButton(QMessageBox::Cancel);
        accept->setText(u"确定"_s);
        reject->setText(u"取消"_s);
        box.setEscapeButton(reject);
    }
    box.setDefaultButton(accept);
    {
        const OwnerDisabled ownerDisabled(m_parent, &box);
        box.exec();
    }

    QAbstractButton *clicked = box.clickedButton();
    if (yesNo) {
        if (clicked == accept)
            return DialogAnswer::Yes;
        if (clicked == reject)
            return DialogAnswer::No;
        return DialogAnswer::NoAnswer;
    }
    return clicked == accept ? DialogAnswer::Ok : DialogAnswer::Cancel;
}

void QtDialogs::InfoBox(const QString &prompt, InfoIcon icon) {
    MessageBox box(icon == InfoIcon::Warning ? QMessageBox::Warning : QMessageBox::Information, m_title,
                   prompt, m_parent, false);
    QPushButton *ok = box.addButton(QMessageBox::Ok);
    ok->setText(u"确定"_s);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    const OwnerDisabled ownerDisabled(m_parent, &box);
    box.exec();
}

} // namespace morvela
