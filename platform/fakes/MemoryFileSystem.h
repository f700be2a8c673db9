// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

#include <QByteArray>
#include <QMap>
#include <QStringList>

namespace morvela {

// Files kept in memory under their logical paths ("D:\name"). It can be told to fail at a given step
// of the next exports, and it keeps a log of what was done ("create PATH", "write N", "commit PATH").
class MemoryFileSystem final : public FileSystem {
public:
    enum class FailAt { Nothing, Create, Write, Commit };

    // The next files fail at this step (FailAt::Write fails the `writeNumber`-th write, from 1).
    void failAt(FailAt step, FileFailure kind = FileFailure::Other, int writeNumber = 1) {
        m_failAt = step;
        m_failKind = kind;
        m_failWrite = writeNumber;
    }

    std::unique_ptr<OutputFile> create(const QString &logicalPath, FileError *error) override;

    bool contains(const QString &path) const { return m_files.contains(path); }
    QByteArray bytes(const QString &path) const { return m_files.value(path); }
    void put(const QString &path, const QByteArray &bytes) { m_files.insert(path, bytes); }
    QStringList paths() const { return m_files.keys(); }
    const QStringList &log() const { return m_log; }
    void clearLog() { m_log.clear(); }

private:
    friend class MemoryOutputFile;
    QMap<QString, QByteArray> m_files;
    QStringList m_log;
    FailAt m_failAt = FailAt::Nothing;
    FileFailure m_failKind = FileFailure::Other;
    int m_failWrite = 1;
};

} // namespace morvela
