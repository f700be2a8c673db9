// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace morvela {

// The plain discount that "spend X, get a voucher worth Y back" amounts to: pay N tenths of the price.
struct RebateDiscount {
    bool invalidRule = false;       // X or Y is not above 0
    std::optional<double> discount; // N, for a valid rule whose arithmetic stays finite
};

// N = (X / (X + Y)) × 10, in this order. A valid rule whose sum is not a finite number (too large, or
// an input that overflowed while being read) gives no value and no verdict.
RebateDiscount RebateToDiscount(double spend, double rebate);

} // namespace morvela
