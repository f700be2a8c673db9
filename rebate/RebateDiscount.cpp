// SPDX-License-Identifier: GPL-3.0-or-later
#include "rebate/RebateDiscount.h"

#include <cmath>

namespace morvela {

RebateDiscount RebateToDiscount(double spend, double rebate) {
    RebateDiscount result;
    if (!(spend > 0.0 && rebate > 0.0)) {
        result.invalidRule = true;
        return result;
    }
    const double sum = spend + rebate;
    if (!std::isfinite(sum))
        return result;
    const double discount = (spend / sum) * 10.0;
    if (std::isfinite(discount))
        result.discount = discount;
    return result;
}

} // namespace morvela
