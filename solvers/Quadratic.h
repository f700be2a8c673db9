#pragma once

#include <QStringView>

#include <optional>

namespace morvela {

// The real roots of e·x² + f·x = z, or the verdict that there is none. A root has no value when a text
// it needs is not a number, when its division is by zero (e = 0), or when its arithmetic overflows.
struct QuadraticSolution {
    bool noRealRoot = false;
    std::optional<double> x1; // the root with +√D
    std::optional<double> x2; // the root with −√D
};

// Reads the three texts with StrictNumber.
QuadraticSolution SolveQuadratic(QStringView eText, QStringView fText, QStringView zText);

} // namespace morvela
