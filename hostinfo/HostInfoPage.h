// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The names of the host identity page's controls that the handlers and tests use, written here once.
namespace hostinfopage {
inline constexpr QLatin1String Page{"HostInfoPage"};
inline constexpr QLatin1String AddressBox{"ip"};
inline constexpr QLatin1String NameBox{"cname"};
inline constexpr QLatin1String FetchButton{"Command28"}; // "获取"
inline constexpr QLatin1String SaveButton{"Command29"};  // "保存"
} // namespace hostinfopage

// "实用工具" → "IP地址、计算机名获取器".
PageSpec hostInfoPage();

} // namespace morvela
