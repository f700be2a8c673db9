// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <optional>

namespace morvela {

// The real roots of e·x² + f·x = z, or the verdict that there is none (D = f² + 4·e·z < 0, decided
// exactly). Each root is the exact root rounded to the nearest double, however large or small the numbers
// on the way. No roots when a text is not a number or e = 0; a root beyond the largest double has no value.
struct QuadraticSolution {
    bool noRealRoot = false;
    std::optional<double> x1; // the root with +√D
    std::optional<double> x2; // the root with −√D
};

// Reads the three texts with StrictNumber.
QuadraticSolution SolveQuadratic(QStringView eText, QStringView fText, QStringView zText);

} // namespace morvela
