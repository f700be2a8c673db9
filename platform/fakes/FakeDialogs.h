// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QString>

namespace morvela {

// Answers questions from a script and records every dialog in the order shown.
class FakeDialogs final : public Dialogs {
public:
    enum class Kind { Confirm, Info };
    struct Shown {
        Kind kind;
        QString prompt;
        ConfirmForm form = ConfirmForm::OkCancel; // questions only
        InfoIcon icon = InfoIcon::Information;    // messages only
    };

    // Queues the answers to the next questions, first to last.
    void answer(std::initializer_list<DialogAnswer> answers) {
        m_script.append(QList<DialogAnswer>(answers));
    }
    void answer(DialogAnswer a) { m_script.append(a); }

    DialogAnswer ConfirmBox(const QString &prompt, ConfirmForm form) override;
    void InfoBox(const QString &prompt, InfoIcon icon) override;

    const QList<Shown> &shown() const { return m_shown; }
    // The prompts of everything shown, in order.
    QStringList prompts() const;
    // The prompts of the messages (InfoBox) only.
    QStringList messages() const;
    int unansweredScript() const { return int(m_script.size()); }
    void clear() {
        m_shown.clear();
        m_script.clear();
    }

private:
    QList<DialogAnswer> m_script;
    QList<Shown> m_shown;
};

} // namespace morvela
