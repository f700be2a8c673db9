#pragma once

#include <QByteArray>
#include <QString>

namespace morvela::test {

// Bytes written as hex pairs separated by blanks: "30 36 A3 BA".
QByteArray hexBytes(const char *spaced);

// The file bytes that the given lines make: each line in GBK followed by CR LF.
QByteArray gbkLines(const QStringList &lines);

// The bytes a file holds after the lines went through the text-file writer (into memory).
QByteArray writtenBytes(const QStringList &lines);

} // namespace morvela::test
