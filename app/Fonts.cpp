// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Fonts.h"

#include "app/ControlInventory.h"

#include <QFontDatabase>
#include <QHash>

namespace morvela {

using namespace Qt::StringLiterals;

namespace {

struct Substitution {
    QString declared;
    QStringList installed; // in order of preference
};

const QList<Substitution> &substitutions() {
    static const QList<Substitution> table{
        {u"宋体"_s, {u"AR PL UMing CN"_s, u"WenQuanYi Zen Hei"_s}},
        {u"楷体_GB2312"_s, {u"AR PL UKai CN"_s, u"AR PL UMing CN"_s, u"WenQuanYi Zen Hei"_s}},
        {u"黑体"_s, {u"WenQuanYi Zen Hei"_s, u"AR PL UMing CN"_s}},
    };
    return table;
}

} // namespace

void installFontSubstitutions() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (const Substitution &s : substitutions())
        QFont::insertSubstitutions(s.declared, s.installed);
}

QString installedFamily(const QString &declared) {
    // Asking Qt for a family that is not installed sends it through fontconfig's fallback search for
    // every new font, which costs more than drawing all the text of the first frame; so the window
    // asks for the substitute itself.
    static QHash<QString, QString> resolved;
    const auto known = resolved.constFind(declared);
    if (known != resolved.constEnd())
        return *known;
    QString family = declared;
    if (!QFontDatabase::hasFamily(declared)) {
        for (const Substitution &s : substitutions()) {
            if (s.declared != declared)
                continue;
            for (const QString &candidate : s.installed) {
                if (QFontDatabase::hasFamily(candidate)) {
                    family = candidate;
                    break;
                }
            }
        }
    }
    resolved.insert(declared, family);
    return family;
}

QFont fontFor(const FontSpec &wanted) {
    QFont font(installedFamily(wanted.family));
    font.setPointSizeF(wanted.points);
    font.setBold(wanted.bold);
    return font;
}

} // namespace morvela
