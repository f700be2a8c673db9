// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TextFileWriter.h"

#include <QStringEncoder>

#include <algorithm>
#include <optional>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace morvela {

namespace {

#ifdef Q_OS_WIN
// The text in the system's ANSI code page, or nothing when the code page cannot hold all of it. Windows' own
// conversion is asked not to substitute look-alikes (no best fit) and to say when it had to use its default
// character; it writes one default character per UTF-16 unit, so a character beyond the BMP would come out
// as "??", which is why the caller handles those itself.
std::optional<QByteArray> ansiBytes(QStringView text) {
    if (text.isEmpty())
        return QByteArray();
    const UINT codePage = GetACP();
    // UTF-8 takes neither flags nor the default-character report, and holds every character.
    const bool utf8 = codePage == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = int(text.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, nullptr,
                                         utf8 ? nullptr : &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    QByteArray out(size, Qt::Uninitialized);
    if (WideCharToMultiByte(codePage, flags, wide, length, out.data(), size, nullptr,
                            utf8 ? nullptr : &usedDefault) != size ||
        usedDefault)
        return std::nullopt;
    return out;
}
#else
// Makes a fresh encoder in place (neither moved nor move-assigned: a moved ICU-backed QStringEncoder
// silently drops what it cannot encode instead of reporting it). Elsewhere there is no system ANSI code
// page: GBK (code page 936) stands in for it.
void renewEncoder(std::optional<QStringEncoder> &encoder) {
    encoder.emplace("GBK");
}

// The text in GBK, or nothing when GBK cannot hold all of it. An encoder that has met an unrepresentable
// character stays in error, so a fresh one is made in its place after every error.
std::optional<QByteArray> ansiBytes(QStringView text) {
    thread_local std::optional<QStringEncoder> encoder;
    if (!encoder)
        renewEncoder(encoder);
    QByteArray out = encoder->encode(text);
    if (encoder->hasError()) {
        renewEncoder(encoder);
        return std::nullopt;
    }
    return out;
}
#endif

// One character (code point) at a time; each one the code page cannot hold, a lone surrogate included,
// becomes one "?".
QByteArray ansiBytesEachCharacter(QStringView text) {
    QByteArray out;
    out.reserve(text.size() * 2 + 2);
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype len = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            len = 2;
        const QStringView one = text.mid(i, len);
        const std::optional<QByteArray> bytes =
            (len == 1 && one.front().isSurrogate()) ? std::nullopt : ansiBytes(one);
        if (bytes && !bytes->isEmpty())
            out += *bytes;
        else
            out += '?';
        i += len;
    }
    return out;
}

} // namespace

QByteArray encodeAnsiLine(QStringView text) {
    // A text with surrogates goes one character at a time: an encoder would hold back a lone high
    // surrogate at the end, and Windows' own conversion writes its default character once per UTF-16 unit
    // (so a character beyond the BMP would come out as "??").
    const bool surrogates = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); });
    std::optional<QByteArray> whole = surrogates ? std::nullopt : ansiBytes(text);
    QByteArray out = whole ? std::move(*whole) : ansiBytesEachCharacter(text);
    out += "\r\n";
    return out;
}

TextFileWriter::~TextFileWriter() = default;

bool TextFileWriter::open(const QString &path) {
    m_error = {};
    m_file = m_files.create(path, &m_error);
    return m_file != nullptr;
}

bool TextFileWriter::writeLine(const QString &text) {
    if (!m_file) {
        m_error = {FileFailure::Other, u"the file is not open"_s};
        return false;
    }
    if (!m_file->write(encodeAnsiLine(text))) {
        m_error = m_file->error();
        m_file.reset();
        return false;
    }
    return true;
}

bool TextFileWriter::close() {
    if (!m_file) {
        m_error = {FileFailure::Other, u"the file is not open"_s};
        return false;
    }
    const bool ok = m_file->commit();
    if (!ok)
        m_error = m_file->error();
    m_file.reset();
    return ok;
}

} // namespace morvela
