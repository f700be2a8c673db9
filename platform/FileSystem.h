// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace morvela {

// The one output folder. A file's path is OutputRoot followed directly by its name.
inline const QString OutputRoot = QStringLiteral("D:\\");

// Why a file could not be written, as far as the platform can tell.
enum class FileFailure { None, NoDrive, NoPermission, DiskFull, TooLarge, BadName, Other };

struct FileError {
    FileFailure kind = FileFailure::None;
    QString detail; // the platform's own words, for the "other" case
};

// One output file being written. Nothing becomes visible under the file's name until commit()
// succeeds; destroying it without a successful commit leaves any earlier file of that name as it was.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual bool write(const QByteArray &bytes) = 0;
    virtual bool commit() = 0; // flush, close and put the file in place
    virtual FileError error() const = 0;
};

// The file system under the output root "D:\". Paths are logical: "D:\" followed by a plain file name.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Creates (or prepares to replace) the file; nullptr with *error set on failure.
    virtual std::unique_ptr<OutputFile> create(const QString &logicalPath, FileError *error) = 0;
};

// The real file system. On Windows "D:\" is drive D. Elsewhere it is the folder named by the
// environment variable MORVELA_DRIVE_D, else ~/D; that folder (and nothing below it) is created
// when an export first needs it.
class DiskFileSystem final : public FileSystem {
public:
    std::unique_ptr<OutputFile> create(const QString &logicalPath, FileError *error) override;

    // The folder that stands for "D:\" on this machine.
    static QString outputFolder();
    // The real path of a logical "D:\name" path, or an empty text when it is not one.
    static QString nativePath(const QString &logicalPath);
    // What errno, as a failed open, write or close leaves it, says about the failure.
    static FileFailure failureFromErrno(int code);
};

} // namespace morvela
