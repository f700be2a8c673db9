// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The names of the linear system page's controls that the handlers and tests use, written here once.
// The system is a·x + b·y = m, c·x + d·y = n.
namespace linearsystempage {
inline constexpr QLatin1String Page{"LinearSystemPage"};
inline constexpr QLatin1String A{"a"};
inline constexpr QLatin1String B{"b"};
inline constexpr QLatin1String M{"m"};
inline constexpr QLatin1String C{"c"};
inline constexpr QLatin1String D{"d"};
inline constexpr QLatin1String N{"n"};
inline constexpr QLatin1String SolveButton{"Command22"}; // "计算"
inline constexpr QLatin1String ClearButton{"Command23"}; // "清空"
inline constexpr QLatin1String XResult{"xgen"};
inline constexpr QLatin1String YResult{"ygen"};
} // namespace linearsystempage

// "实用工具" → "二元一次方程计算器".
PageSpec linearSystemPage();

} // namespace morvela
