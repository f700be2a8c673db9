// SPDX-License-Identifier: GPL-3.0-or-later
// Every finite double is written with at most 15 significant digits, and the text reads back (by
// StrictNumber) to a value that is written the same way: the same 15 significant digits.
#include "common/NumberForms.h"
#include "fuzz/FuzzInput.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < sizeof(double))
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    const QString written = morvela::NumberText(value);
    if (!std::isfinite(value))
        return 0;
    // Significant digits: from the first non-zero digit to the exponent.
    int digits = 0;
    bool significant = false;
    for (QChar c : written) {
        if (c == QLatin1Char('E'))
            break;
        if (c.isDigit() && c != QLatin1Char('0'))
            significant = true;
        if (c.isDigit() && significant)
            ++digits;
    }
    FUZZ_CHECK(digits <= 15);
    FUZZ_CHECK(!written.contains(QLatin1String("inf")) && !written.contains(QLatin1String("nan")));
    const std::optional<double> back = morvela::StrictNumber(written);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(morvela::NumberText(*back) == written);
    return 0;
}
