// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <span>
#include <string_view>

namespace morvela {

// One irregular verb: the exact input that selects it, its principal parts as shown, its Chinese meaning.
struct VerbEntry {
    std::u16string_view key;
    std::u16string_view forms;
    std::u16string_view meaning;
};

// The built-in verb table, in its fixed order; its size is the number of rows written in it. Constant
// data: nothing is built at start and nothing changes it at run time.
extern const std::span<const VerbEntry> IrregularVerbTable;

// The entry whose key equals the whole text, code unit by code unit (no trimming, no case or width
// folding), or nullptr. Any text is accepted, the empty text included.
const VerbEntry *lookupVerb(QStringView text);

// A table text as a QStringView, for comparing and showing.
inline QStringView textView(std::u16string_view text) {
    return QStringView(text.data(), qsizetype(text.size()));
}

} // namespace morvela
