// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The names of the verb lookup page's controls that the handlers and tests use, written here once.
namespace verblookuppage {
inline constexpr QLatin1String Page{"VerbLookupPage"};
inline constexpr QLatin1String VerbBox{"dc"};
inline constexpr QLatin1String SearchButton{"Command26"}; // "搜索"
inline constexpr QLatin1String ClearButton{"Command27"};  // "清空"
inline constexpr QLatin1String FormsResult{"st"};         // the principal parts
inline constexpr QLatin1String MeaningResult{"zwhy"};     // the Chinese meaning
} // namespace verblookuppage

// "实用工具" → "不规则动词查询器".
PageSpec verbLookupPage();

} // namespace morvela
