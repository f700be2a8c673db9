// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvers/Quadratic.h"

#include "common/NumberForms.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace morvela {

namespace {

// ---------------------------------------------------------------------------------------------------------
// Double-double arithmetic: a value held as hi + lo, |lo| at most half a unit in the last place of hi, so
// that hi is the value rounded to a double. It carries about 106 bits, enough for the discriminant to be
// exact and for each root to be rounded to a double correctly. Every operation is plain IEEE double
// arithmetic (the build never fuses a multiply and an add).

struct Wide {
    double hi = 0.0;
    double lo = 0.0;
};

// a + b exactly.
Wide twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly, when |a| >= |b| (or a is 0).
Wide fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a × b exactly (Dekker), for factors far from overflow and underflow.
Wide twoProduct(double a, double b) {
    constexpr double splitter = 134217729.0; // 2^27 + 1
    const auto split = [](double x) {
        const double c = splitter * x;
        const double high = c - (c - x);
        return Wide{high, x - high};
    };
    const double p = a * b;
    const Wide x = split(a);
    const Wide y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// x + y with an error relative to the exact sum (not to the terms): an exact sum of 0 gives 0, and the
// sign is always right, however much the terms cancel.
Wide add(Wide x, Wide y) {
    const Wide s = twoSum(x.hi, y.hi);
    const Wide t = twoSum(x.lo, y.lo);
    const Wide v = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(v.hi, t.lo + v.lo);
}

Wide divide(Wide x, double y) {
    const double h = x.hi / y;
    const Wide p = twoProduct(h, y);
    return fastTwoSum(h, (((x.hi - p.hi) - p.lo) + x.lo) / y);
}

Wide divide(double x, Wide y) {
    const double h = x / y.hi;
    const Wide p = twoProduct(h, y.hi);
    return fastTwoSum(h, (((x - p.hi) - p.lo) - h * y.lo) / y.hi);
}

// The square root of a positive x.
Wide squareRoot(Wide x) {
    const double h = std::sqrt(x.hi);
    const Wide p = twoProduct(h, h);
    return fastTwoSum(h, (((x.hi - p.hi) - p.lo) + x.lo) / (2.0 * h));
}

Wide scaled(Wide x, int exponent) {
    return {std::ldexp(x.hi, exponent), std::ldexp(x.lo, exponent)};
}

Wide negated(Wide x) {
    return {-x.hi, -x.lo};
}

// The double nearest to (x.hi + x.lo) × 2^exponent, or no value when that is beyond the largest double.
// Where the result is subnormal its grid is coarser than x's, so the rounding is done again on that grid,
// with x.lo deciding what x.hi alone cannot.
std::optional<double> toDouble(Wide x, int exponent) {
    if (x.hi == 0.0)
        return x.hi;
    int top = 0;
    std::frexp(x.hi, &top); // 2^(top-1) <= |x.hi| < 2^top
    if (top + exponent > DBL_MAX_EXP)
        return std::nullopt;
    if (top + exponent < DBL_MIN_EXP - DBL_MANT_DIG - 2)
        return std::copysign(0.0, x.hi); // below half the smallest subnormal
    double result = std::ldexp(x.hi, exponent);
    if (std::fabs(result) >= DBL_MIN)
        return result; // x.hi is already x rounded to 53 bits, and scaling it is exact
    // One step of the subnormal grid, and what is left over, in x's scale (both exact).
    const double step = std::ldexp(std::numeric_limits<double>::denorm_min(), -exponent);
    const double half = step / 2.0;
    const double rest = x.hi - std::ldexp(result, -exponent);
    const bool odd = std::fmod(result / std::numeric_limits<double>::denorm_min(), 2.0) != 0.0;
    const bool tie = x.lo == 0.0 && odd;
    if (rest > half || (rest == half && (x.lo > 0.0 || tie)))
        result = std::nextafter(result, std::numeric_limits<double>::infinity());
    else if (rest < -half || (rest == -half && (x.lo < 0.0 || tie)))
        result = std::nextafter(result, -std::numeric_limits<double>::infinity());
    return result;
}

// The roots of a·x² + b·x + c = 0 for finite a ≠ 0, b and c. Each coefficient is split into a mantissa in
// [0.5, 1) and a power of two, and the powers are carried as integers, so no intermediate result can
// overflow or underflow whatever the sizes of the coefficients (only the final roots are rounded into
// the range of a double). The root whose numerator adds two numbers of one sign, q / a with
// q = −(b + sign(b)·√D) / 2, is computed directly; the other one from the product of the roots, c / q.
QuadraticSolution solve(double a, double b, double c) {
    QuadraticSolution solution;
    if (b == 0.0 && c == 0.0) {
        solution.x1 = solution.x2 = 0.0;
        return solution;
    }
    int expA = 0, expB = 0, expC = 0;
    const double ma = std::frexp(a, &expA);
    const double mb = std::frexp(b, &expB);
    const double mc = std::frexp(c, &expC);

    // D = b² − 4·a·c = mb²·2^(2·expB) − ma·mc·2^(expA+expC+2), exactly, as a mantissa times 2^scaleD.
    int scaleD = std::numeric_limits<int>::min();
    if (b != 0.0)
        scaleD = 2 * expB;
    if (c != 0.0)
        scaleD = std::max(scaleD, expA + expC + 2);
    if (scaleD % 2 != 0)
        ++scaleD; // even, so that √D is a mantissa times 2^(scaleD/2)
    Wide d;
    if (b != 0.0)
        d = scaled(twoProduct(mb, mb), 2 * expB - scaleD);
    if (c != 0.0)
        d = add(d, negated(scaled(twoProduct(ma, mc), expA + expC + 2 - scaleD)));
    if (d.hi < 0.0) {
        solution.noRealRoot = true;
        return solution;
    }

    // q = −(b + sign(b)·√D) / 2 = qm·2^(scaleD/2 − 1); both terms have b's sign, so nothing cancels.
    const int scaleQ = scaleD / 2 - 1;
    const Wide root = d.hi > 0.0 ? squareRoot(d) : Wide{};
    const double bm = std::ldexp(mb, expB - scaleD / 2);
    const Wide qm = negated(add(Wide{bm, 0.0}, b < 0.0 ? negated(root) : root));

    const std::optional<double> fromQ = toDouble(divide(qm, ma), scaleQ - expA);
    const std::optional<double> fromC = d.hi == 0.0 ? fromQ : toDouble(divide(mc, qm), expC - scaleQ);
    // For b >= 0, q / a = (−b − √D) / (2·a) is the root with −√D.
    solution.x1 = b < 0.0 ? fromQ : fromC;
    solution.x2 = b < 0.0 ? fromC : fromQ;
    return solution;
}

} // namespace

QuadraticSolution SolveQuadratic(QStringView eText, QStringView fText, QStringView zText) {
    const std::optional<double> f = StrictNumber(fText);
    const std::optional<double> e = StrictNumber(eText);
    const std::optional<double> z = StrictNumber(zText);
    // Without the three numbers there is no discriminant, and so no roots: roots worked out with D = 0 in
    // its place would belong to another equation (an unreadable z would give −f / (2·e) for both).
    if (!f || !e || !z)
        return {};
    // e = 0: D = f² is never negative, and both roots would be divisions by zero.
    if (*e == 0.0)
        return {};
    // e·x² + f·x = z is e·x² + f·x + (−z) = 0.
    return solve(*e, *f, -*z);
}

} // namespace morvela
