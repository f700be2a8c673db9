// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace morvela {

// x and y of the system a·x + b·y = m, c·x + d·y = n. A result has no value when its division is by zero
// or any step of its arithmetic is not a finite number (an overflow, or an input that overflowed).
struct LinearSolution {
    std::optional<double> x;
    std::optional<double> y;
};

LinearSolution SolveLinearSystem(double a, double b, double m, double c, double d, double n);

} // namespace morvela
