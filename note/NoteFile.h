// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

namespace morvela {

// "D:\便纸条—" + the time of day as hhmmss + ".txt": 14:05:09 gives D:\便纸条—140509.txt.
QString NoteFileName(const QTime &timeOfDay);

// The note's text with every line break as CR LF: CR LF stays, a lone LF (as the text box gives it)
// or a lone CR becomes CR LF. Nothing else changes.
QString noteTextWithCrLf(const QString &text);

// The three lines of the note file, without their line ends: the moment of saving followed by
// " 时创建的便纸条", an empty line, and the note's text (its line breaks as CR LF, so a note of several
// lines spans several lines of the file).
QStringList NoteFileLines(const QDateTime &moment, const QString &noteText);

} // namespace morvela
