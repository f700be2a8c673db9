// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

namespace morvela {

// Whether no file name on drive D can hold the character: \ / : * ? " < > | and the control characters.
inline bool isForbiddenInFileName(QChar c) {
    switch (c.unicode()) {
    case u'\\':
    case u'/':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|':
        return true;
    default:
        return c.unicode() < 0x20;
    }
}

} // namespace morvela
