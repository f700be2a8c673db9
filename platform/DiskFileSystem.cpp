// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileNames.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace morvela {

namespace {

QString fileNameOf(const QString &logicalPath) {
    if (!logicalPath.startsWith(OutputRoot, Qt::CaseInsensitive))
        return {};
    return logicalPath.mid(OutputRoot.size());
}

bool isValidName(const QString &name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (isForbiddenInFileName(c))
            return false;
    // Windows refuses a name that ends in a blank or a full stop.
    return !name.endsWith(QLatin1Char(' ')) && !name.endsWith(QLatin1Char('.'));
}

} // namespace

FileFailure DiskFileSystem::failureFromErrno(int code) {
    switch (code) {
    case EACCES:
    case EPERM:
    case EROFS:
        return FileFailure::NoPermission;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return FileFailure::DiskFull;
    case EFBIG: // beyond the file-size limit the system sets for this process (ulimit -f)
        return FileFailure::TooLarge;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return FileFailure::BadName;
    case ENOENT:
    case ENOTDIR:
        return FileFailure::NoDrive;
    default:
        return FileFailure::Other;
    }
}

namespace {

FileError errorFrom(const QSaveFile &file, int code) {
    FileFailure kind = DiskFileSystem::failureFromErrno(code);
    if (kind == FileFailure::Other) {
        // A write that failed for want of space does not always leave ENOSPC behind.
        const QStorageInfo storage(QFileInfo(file.fileName()).absolutePath());
        if (storage.isValid() && storage.bytesAvailable() == 0)
            kind = FileFailure::DiskFull;
        else if (storage.isValid() && storage.isReadOnly())
            kind = FileFailure::NoPermission;
    }
    return {kind, file.errorString()};
}

class DiskOutputFile final : public OutputFile {
public:
    explicit DiskOutputFile(const QString &path) : m_file(path) {}

    bool openFile() {
        errno = 0;
        if (QFileInfo(m_file.fileName()).isDir()) {
            m_error = {FileFailure::BadName, u"a folder of that name exists"_s};
            return false;
        }
        if (!m_file.open(QIODevice::WriteOnly)) {
            m_error = errorFrom(m_file, errno);
            return false;
        }
        return true;
    }

    bool write(const QByteArray &bytes) override {
        errno = 0;
        if (m_file.write(bytes) != bytes.size()) {
            m_error = errorFrom(m_file, errno);
            m_file.cancelWriting();
            return false;
        }
        return true;
    }

    bool commit() override {
        errno = 0;
        // Short lines wait in the file's buffer until now. QSaveFile::commit() does not notice when
        // the disk refuses them (a full disk): it would put the short file in place and report
        // success. So the buffer is flushed, and checked, first.
        if (!m_file.flush()) {
            m_error = errorFrom(m_file, errno);
            m_file.cancelWriting();
            return false;
        }
        errno = 0;
        if (!m_file.commit()) {
            m_error = errorFrom(m_file, errno);
            return false;
        }
        return true;
    }

    FileError error() const override { return m_error; }

private:
    QSaveFile m_file;
    FileError m_error;
};

} // namespace

QString DiskFileSystem::outputFolder() {
#ifdef Q_OS_WIN
    return u"D:/"_s;
#else
    const QString configured = qEnvironmentVariable("MORVELA_DRIVE_D");
    if (!configured.isEmpty())
        return configured;
    return QDir::homePath() + u"/D"_s;
#endif
}

QString DiskFileSystem::nativePath(const QString &logicalPath) {
    const QString name = fileNameOf(logicalPath);
    if (!isValidName(name))
        return {};
    return QDir(outputFolder()).filePath(name);
}

std::unique_ptr<OutputFile> DiskFileSystem::create(const QString &logicalPath, FileError *error) {
    auto fail = [error](FileError e) -> std::unique_ptr<OutputFile> {
        if (error)
            *error = std::move(e);
        return nullptr;
    };
    const QString path = nativePath(logicalPath);
    if (path.isEmpty())
        return fail({FileFailure::BadName, u"not a plain file name in the output folder"_s});

    const QString folder = outputFolder();
#ifdef Q_OS_WIN
    // Windows lists a drive letter that leads nowhere (an empty CD drive, a disconnected network drive) as
    // a drive whose root is a folder; only reaching the root tells.
    const DWORD attributes = GetFileAttributesW(L"D:\\");
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return fail({FileFailure::NoDrive, u"drive D: is not available"_s});
#else
    if (!QFileInfo(folder).isDir()) {
        // The folder that stands for the drive is made when an export first needs it; nothing below it.
        errno = 0;
        if (!QDir().mkdir(folder))
            return fail({FileFailure::NoDrive, u"cannot create %1"_s.arg(folder)});
    }
#endif

    auto file = std::make_unique<DiskOutputFile>(path);
    if (!file->openFile())
        return fail(file->error());
    return file;
}

} // namespace morvela
