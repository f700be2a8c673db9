// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FullWidth.h"

#include <algorithm>

namespace morvela {

namespace {

constexpr char16_t FirstForm = u'\uFF01'; // FULLWIDTH EXCLAMATION MARK
constexpr char16_t LastForm = u'\uFF5E';  // FULLWIDTH TILDE
constexpr char16_t FormOffset = FirstForm - u'!';
constexpr char16_t IdeographicSpace = u'\u3000';

bool isFullWidthForm(QChar c) {
    const char16_t u = c.unicode();
    return (u >= FirstForm && u <= LastForm) || u == IdeographicSpace;
}

} // namespace

bool HasFullWidthForms(QStringView text) {
    return std::any_of(text.begin(), text.end(), isFullWidthForm);
}

QString FoldFullWidth(QStringView text) {
    QString folded = text.toString();
    for (QChar &c : folded) {
        const char16_t u = c.unicode();
        if (u >= FirstForm && u <= LastForm)
            c = QChar(char16_t(u - FormOffset));
        else if (u == IdeographicSpace)
            c = QLatin1Char(' ');
    }
    return folded;
}

} // namespace morvela
