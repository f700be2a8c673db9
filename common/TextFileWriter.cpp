#include "common/TextFileWriter.h"

#include <QStringEncoder>

#include <algorithm>
#include <optional>

namespace morvela {

namespace {

// Makes a fresh encoder in place (neither moved nor move-assigned; see below).
void renewEncoder(std::optional<QStringEncoder> &encoder) {
#ifdef Q_OS_WIN
    encoder.emplace(QStringConverter::System);
#else
    encoder.emplace("GBK");
#endif
}

} // namespace

QByteArray encodeAnsiLine(QStringView text) {
    // An encoder that has met an unrepresentable character stays in error, so a fresh one is made in
    // its place after every error. It is made in place: a moved ICU-backed QStringEncoder silently
    // drops what it cannot encode instead of reporting it.
    thread_local std::optional<QStringEncoder> encoder;
    if (!encoder)
        renewEncoder(encoder);

    // Surrogates go the slow way: the encoder would hold back a lone high surrogate at the end.
    const bool surrogates = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); });
    QByteArray out;
    if (!surrogates)
        out = encoder->encode(text);
    if (surrogates || encoder->hasError()) {
        // One character (code point) at a time; each unrepresentable one, a lone surrogate included,
        // becomes one "?".
        out.clear();
        out.reserve(text.size() * 2 + 2);
        renewEncoder(encoder);
        qsizetype i = 0;
        while (i < text.size()) {
            qsizetype len = 1;
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                len = 2;
            const QStringView one = text.mid(i, len);
            const QByteArray bytes =
                (len == 1 && one.front().isSurrogate()) ? QByteArray() : encoder->encode(one);
            if (bytes.isEmpty() || encoder->hasError()) {
                out += '?';
                renewEncoder(encoder);
            } else {
                out += bytes;
            }
            i += len;
        }
    }
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
        m_error = {FileFailure::Other, QStringLiteral("the file is not open")};
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
        m_error = {FileFailure::Other, QStringLiteral("the file is not open")};
        return false;
    }
    const bool ok = m_file->commit();
    if (!ok)
        m_error = m_file->error();
    m_file.reset();
    return ok;
}

} // namespace morvela
