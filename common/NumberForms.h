// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace morvela {

// Both readers first read full-width forms as their ASCII counterparts (FoldFullWidth).

// Reads the number at the start of a text; never fails (no readable number gives 0).
double LenientNumber(QStringView text);

// Converts the whole text, blanks around it allowed; no value when it is not exactly one number.
std::optional<double> StrictNumber(QStringView text);

// A double in the general form: at most 15 significant digits, exponent form for large and tiny
// magnitudes, negative zero written 0.
QString NumberText(double value);

} // namespace morvela
