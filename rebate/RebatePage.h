// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/PageDescription.h"

namespace morvela {

// The names of the voucher-to-discount page's controls that the handlers and tests use, written here
// once: 买 mai 返 fan, 相当于打 zhe 折.
namespace rebatepage {
inline constexpr QLatin1String Page{"RebatePage"};
inline constexpr QLatin1String SpendBox{"mai"};
inline constexpr QLatin1String RebateBox{"fan"};
inline constexpr QLatin1String DiscountBox{"zhe"};
inline constexpr QLatin1String ConvertButton{"Command31"}; // "转换"
inline constexpr QLatin1String ClearButton{"Command30"};   // "清空"
} // namespace rebatepage

// "实用工具" → "返卷→打折转换器".
PageSpec rebatePage();

} // namespace morvela
