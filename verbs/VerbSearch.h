// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace morvela {

struct VerbEntry;

// What one press of "搜索" does with the text typed into the verb box.
struct VerbSearchOutcome {
    enum class Kind {
        Nothing,  // the box is empty: no dialog, nothing changes
        Show,     // the verb is in the table: show its forms and meaning
        NotFound, // show VerbNotFoundText as a warning, change nothing
    };
    Kind kind = Kind::Nothing;
    const VerbEntry *entry = nullptr; // set for Show only
};

// The search, exactly as typed: whole text, case-sensitive, blanks not trimmed.
VerbSearchOutcome searchVerb(QStringView input);

// The warning shown when the typed text is not a verb of the table: a heading and six numbered hints,
// joined by CR LF, with no line break after the last.
extern const QString VerbNotFoundText;

} // namespace morvela
