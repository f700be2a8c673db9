// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace morvela::test {

// Bytes written as hex pairs separated by blanks: "30 36 A3 BA".
QByteArray hexBytes(const char *spaced);

// The file bytes that the given lines make: each line in GBK (on Windows: the system code page, as Windows
// converts it) followed by CR LF.
QByteArray gbkLines(const QStringList &lines);

// The text with every date (2009-7-23) and time of day (21:27:05, 9:05) written in the reference forms put
// into the user's regional forms, as the system itself writes them; unchanged where there are none (all but
// Windows). Tests state the reference forms and check the regional path on Windows through this.
QString regional(const QString &reference);

// The bytes a file holds after the lines went through the text-file writer (into memory).
QByteArray writtenBytes(const QStringList &lines);

} // namespace morvela::test
