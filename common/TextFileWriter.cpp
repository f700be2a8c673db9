#include "common/TextFileWriter.h"

#include <QStringEncoder>

#include <algorithm>

namespace morvela {

namespace {

QStringEncoder makeAnsiEncoder() {
#ifdef Q_OS_WIN
    return QStringEncoder(QStringConverter::System);
#else
    return QStringEncoder("GBK");
#endif
}

} // namespace

QByteArray encodeAnsiLine(QStringView text) {
    // An encoder that has met an unrepresentable character stays in error (and clearing its state does
    // not make it usable again), so it is replaced by a fresh one after every error.
    thread_local QStringEncoder encoder = makeAnsiEncoder();
    // Surrogates go the slow way: the encoder would hold back a lone high surrogate at the end.
    const bool surrogates = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); });
    QByteArray out;
    if (!surrogates)
        out = encoder.encode(text);
    if (surrogates || encoder.hasError()) {
        // One character (code point) at a time; each unrepresentable one, a lone surrogate included,
        // becomes one "?".
        out.clear();
        out.reserve(text.size() * 2 + 2);
        encoder = makeAnsiEncoder();
        qsizetype i = 0;
        while (i < text.size()) {
            qsizetype len = 1;
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                len = 2;
            const QStringView one = text.mid(i, len);
            const QByteArray bytes = encoder.encode(one);
            if (encoder.hasError() || bytes.isEmpty() || (len == 1 && one.front().isSurrogate())) {
                out += '?';
                encoder = makeAnsiEncoder();
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
