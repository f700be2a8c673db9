// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as text two ways: as raw UTF-16 code units (any sequence, lone surrogates
// included) or, when the first byte is even, as UTF-8 (the texts a user types most).
inline QString fuzzText(const uint8_t *data, size_t size) {
    if (size == 0)
        return {};
    if (data[0] % 2 == 0)
        return QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    return QString(reinterpret_cast<const QChar *>(data + 1), qsizetype((size - 1) / 2));
}

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            qFatal("fuzz check failed: %s", #condition);                                                     \
    } while (false)
