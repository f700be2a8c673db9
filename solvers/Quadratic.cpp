#include "solvers/Quadratic.h"

#include "common/NumberForms.h"

#include <cmath>

namespace morvela {

namespace {

// ((0 − f) ± s) / (e + e), or no value when e + e is 0 or a step overflows.
std::optional<double> root(double e, double f, double s, bool plus) {
    const double minusF = 0.0 - f;
    const double numerator = plus ? minusF + s : minusF - s;
    const double denominator = e + e;
    if (!std::isfinite(numerator) || !std::isfinite(denominator) || denominator == 0.0)
        return std::nullopt;
    const double x = numerator / denominator;
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

} // namespace

QuadraticSolution SolveQuadratic(QStringView eText, QStringView fText, QStringView zText) {
    QuadraticSolution solution;

    // The discriminant D = (z × (e × 4)) + f², in this order.
    const std::optional<double> f = StrictNumber(fText);
    const std::optional<double> e = StrictNumber(eText);
    const std::optional<double> z = StrictNumber(zText);
    if (!f || !e || !z)
        return solution;
    const double t = *e * 4.0;
    const double zt = *z * t;
    const double fSquared = *f * *f; // f to the power 2, rounded once
    const double discriminant = zt + fSquared;
    // Without a discriminant (a text is not a number, or the arithmetic overflows) there are no roots: roots
    // worked out with D = 0 in its place would belong to another equation (an unreadable z would give −f /
    // (2·e) for both).
    if (!std::isfinite(t) || !std::isfinite(zt) || !std::isfinite(fSquared) || !std::isfinite(discriminant))
        return solution;

    if (discriminant < 0.0) {
        solution.noRealRoot = true;
        return solution;
    }

    const double s = std::sqrt(discriminant);
    solution.x1 = root(*e, *f, s, true);
    solution.x2 = root(*e, *f, s, false);
    return solution;
}

} // namespace morvela
