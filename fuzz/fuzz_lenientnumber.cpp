// SPDX-License-Identifier: GPL-3.0-or-later
// Any text reads as a number (never NaN); a text that reads strictly reads the same leniently.
#include "common/NumberForms.h"
#include "fuzz/FuzzInput.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = fuzzText(data, size);
    const double lenient = morvela::LenientNumber(text);
    FUZZ_CHECK(!std::isnan(lenient));
    if (const std::optional<double> strict = morvela::StrictNumber(text);
        strict && !text.contains(QLatin1Char('&')))
        FUZZ_CHECK(*strict == lenient || (*strict == 0 && lenient == 0));
    return 0;
}
