// SPDX-License-Identifier: GPL-3.0-or-later
// A text that converts strictly gives a finite number, whose written form converts back to a
// number that is written the same way.
#include "common/NumberForms.h"
#include "fuzz/FuzzInput.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = fuzzText(data, size);
    const std::optional<double> value = morvela::StrictNumber(text);
    if (!value)
        return 0;
    FUZZ_CHECK(std::isfinite(*value));
    const QString written = morvela::NumberText(*value);
    const std::optional<double> back = morvela::StrictNumber(written);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(morvela::NumberText(*back) == written);
    return 0;
}
