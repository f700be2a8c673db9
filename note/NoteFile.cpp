// SPDX-License-Identifier: GPL-3.0-or-later
#include "note/NoteFile.h"

#include "common/DateTexts.h"
#include "platform/FileSystem.h"

using namespace Qt::StringLiterals;

namespace morvela {

QString NoteFileName(const QTime &timeOfDay) {
    return OutputRoot + u"便纸条—"_s + timeDigits(timeOfDay) + u".txt"_s;
}

QString noteTextWithCrLf(const QString &text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out += QLatin1String("\r\n");
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

QStringList NoteFileLines(const QDateTime &moment, const QString &noteText) {
    return {DateTimeText(moment) + u" 时创建的便纸条"_s, QString(), noteTextWithCrLf(noteText)};
}

} // namespace morvela
