// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/FakeDialogs.h"

#include <QStringList>

namespace morvela {

DialogAnswer FakeDialogs::ConfirmBox(const QString &prompt, ConfirmForm form) {
    m_shown.append({Kind::Confirm, prompt, form, InfoIcon::Information});
    if (m_script.isEmpty())
        qFatal("FakeDialogs: a question was asked that the test did not script an answer for");
    return m_script.takeFirst();
}

void FakeDialogs::InfoBox(const QString &prompt, InfoIcon icon) {
    m_shown.append({Kind::Info, prompt, ConfirmForm::OkCancel, icon});
}

QStringList FakeDialogs::prompts() const {
    QStringList out;
    for (const Shown &s : m_shown)
        out << s.prompt;
    return out;
}

QStringList FakeDialogs::messages() const {
    QStringList out;
    for (const Shown &s : m_shown)
        if (s.kind == Kind::Info)
            out << s.prompt;
    return out;
}

} // namespace morvela
