// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The names of the sticky-note page's controls, written here once for the page's rows, its handlers
// and the tests.
namespace stickynotepage {
inline constexpr QLatin1String Page{"StickyNotePage"};
inline constexpr QLatin1String EmptyPicture{"wbzt"}; // the page without a note
inline constexpr QLatin1String CardPicture{"ybzt"};  // the note card the note lies on
inline constexpr QLatin1String NoteBox{"Text36"};
inline constexpr QLatin1String NewButton{"qhbzt"};    // "新建一个便纸条"
inline constexpr QLatin1String DeleteButton{"qkbzt"}; // "删除便纸条"
inline constexpr QLatin1String SaveButton{"bcbzt"};   // "保存为文本文件"
} // namespace stickynotepage

// "日程管理" → "便纸条": the one note, created, saved and deleted.
PageSpec stickyNotePage();

} // namespace morvela
