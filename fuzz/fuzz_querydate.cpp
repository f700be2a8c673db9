// SPDX-License-Identifier: GPL-3.0-or-later
// A text that is accepted as a date names a valid date, and that date's own short text reads back
// as the same date.
#include "common/DateTexts.h"
#include "dates/DateQuery.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = fuzzText(data, size);
    const std::optional<QDate> date = morvela::ParseQueryDate(text);
    if (date) {
        FUZZ_CHECK(date->isValid());
        FUZZ_CHECK(date->year() >= 1 && date->year() <= 9999);
        const std::optional<QDate> again = morvela::ParseQueryDate(morvela::ShortDateText(*date));
        FUZZ_CHECK(again && *again == *date);
        const int week = morvela::WeekOfYear(*date);
        FUZZ_CHECK(week >= 1 && week <= 54);
        const int day = morvela::DayOfYear(*date);
        FUZZ_CHECK(day >= 1 && day <= 366);
    }
    return 0;
}
