// SPDX-License-Identifier: GPL-3.0-or-later
// Every text becomes one line: ends in CR LF, and each character (code point) of the text becomes
// exactly one character of the code page, itself or "?".
#include "common/TextFileWriter.h"
#include "fuzz/FuzzInput.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = fuzzText(data, size);
    const QByteArray line = morvela::encodeAnsiLine(text);
    FUZZ_CHECK(line.endsWith("\r\n"));
    const QByteArray body = line.chopped(2);

    qsizetype codePoints = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++codePoints)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    QStringDecoder gbk("GBK");
    const QString back = gbk.decode(body);
    FUZZ_CHECK(!gbk.hasError());
    qsizetype backPoints = 0;
    for (qsizetype i = 0; i < back.size(); ++i, ++backPoints)
        if (back[i].isHighSurrogate() && i + 1 < back.size() && back[i + 1].isLowSurrogate())
            ++i;
    if (backPoints != codePoints)
        qWarning("text %s -> line %s", text.toUtf8().toHex(' ').constData(), line.toHex(' ').constData());
    FUZZ_CHECK(backPoints == codePoints);
    return 0;
}
