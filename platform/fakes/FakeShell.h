// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Shell.h"

#include <QList>

namespace morvela {

// Records every launch; can be told to fail them.
class FakeShell final : public Shell {
public:
    struct Launch {
        QString commandLine;
        int windowStyle;
    };
    bool launch(const QString &commandLine, int windowStyle) override {
        m_launches.append({commandLine, windowStyle});
        return !m_fail;
    }
    void setFailing(bool fail) { m_fail = fail; }
    const QList<Launch> &launches() const { return m_launches; }

private:
    QList<Launch> m_launches;
    bool m_fail = false;
};

} // namespace morvela
