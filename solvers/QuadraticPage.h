// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The names of the quadratic equation page's controls that the handlers and tests use, written here
// once. The equation is e·x² + f·x = z.
namespace quadraticpage {
inline constexpr QLatin1String Page{"QuadraticPage"};
inline constexpr QLatin1String E{"e"};
inline constexpr QLatin1String F{"f"};
inline constexpr QLatin1String Z{"z"};
inline constexpr QLatin1String SolveButton{"Command25"}; // "计算"
inline constexpr QLatin1String ClearButton{"Command24"}; // "清空"
inline constexpr QLatin1String X1Result{"x1gen"};
inline constexpr QLatin1String X2Result{"x2gen"};
inline constexpr QLatin1String X1Spare{"x1fgen"}; // on the page but never written
inline constexpr QLatin1String X2Spare{"x2fgen"}; // likewise
} // namespace quadraticpage

// "实用工具" → "一元二次方程计算器".
PageSpec quadraticPage();

} // namespace morvela
