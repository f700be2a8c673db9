// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <QStringView>

#include <memory>

namespace morvela {

// One line as it is stored: the text in the system's ANSI code page (GBK where the platform has no
// ANSI code page), one "?" for each character the code page cannot represent, then CR LF.
QByteArray encodeAnsiLine(QStringView text);

// Writes one text file line by line. A writer serves one export from open() to close(); the file
// appears under its name (replacing an earlier one) only when close() succeeds.
class TextFileWriter {
public:
    explicit TextFileWriter(FileSystem &files) : m_files(files) {}
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter &) = delete;
    TextFileWriter &operator=(const TextFileWriter &) = delete;

    bool open(const QString &path);
    bool writeLine(const QString &text);
    bool close();

    // Why the last failed call failed.
    FileError error() const { return m_error; }

private:
    FileSystem &m_files;
    std::unique_ptr<OutputFile> m_file;
    FileError m_error;
};

} // namespace morvela
