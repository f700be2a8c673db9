// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvers/LinearSystem.h"

#include <cmath>
#include <initializer_list>

namespace morvela {

namespace {

bool allFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// numerator / denominator when every number that led to it is finite and the denominator is not 0.
std::optional<double> quotient(double numerator, double denominator, std::initializer_list<double> steps) {
    if (!allFinite(steps) || !std::isfinite(numerator) || !std::isfinite(denominator) || denominator == 0.0)
        return std::nullopt;
    const double q = numerator / denominator;
    if (!std::isfinite(q))
        return std::nullopt;
    return q;
}

} // namespace

// Products first, then the differences, then the quotient, exactly in this order: the last digit of the
// result depends on it. These are Cramer's rule with numerator and denominator both negated.
LinearSolution SolveLinearSystem(double a, double b, double m, double c, double d, double n) {
    LinearSolution solution;
    if (!allFinite({a, b, m, c, d, n}))
        return solution;

    const double bn = b * n, dm = d * m, bc = b * c, ad = a * d;
    solution.x = quotient(bn - dm, bc - ad, {bn, dm, bc, ad});

    const double cm = c * m, an = a * n, cb = c * b;
    solution.y = quotient(cm - an, cb - ad, {cm, an, cb, ad});
    return solution;
}

} // namespace morvela
