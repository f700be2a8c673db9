// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes/MemoryFileSystem.h"

using namespace Qt::StringLiterals;

namespace morvela {

class MemoryOutputFile final : public OutputFile {
public:
    MemoryOutputFile(MemoryFileSystem &fs, QString path) : m_fs(fs), m_path(std::move(path)) {}

    bool write(const QByteArray &bytes) override {
        ++m_writes;
        m_fs.m_log << u"write %1"_s.arg(m_writes);
        if (m_fs.m_failAt == MemoryFileSystem::FailAt::Write && m_writes >= m_fs.m_failWrite) {
            m_error = {m_fs.m_failKind, u"scripted write failure"_s};
            return false;
        }
        m_pending += bytes;
        return true;
    }

    bool commit() override {
        m_fs.m_log << u"commit %1"_s.arg(m_path);
        if (m_fs.m_failAt == MemoryFileSystem::FailAt::Commit) {
            m_error = {m_fs.m_failKind, u"scripted commit failure"_s};
            return false;
        }
        m_fs.m_files.insert(m_path, m_pending);
        return true;
    }

    FileError error() const override { return m_error; }

private:
    MemoryFileSystem &m_fs;
    QString m_path;
    QByteArray m_pending;
    int m_writes = 0;
    FileError m_error;
};

std::unique_ptr<OutputFile> MemoryFileSystem::create(const QString &logicalPath, FileError *error) {
    m_log << u"create %1"_s.arg(logicalPath);
    if (m_failAt == FailAt::Create) {
        if (error)
            *error = {m_failKind, u"scripted create failure"_s};
        return nullptr;
    }
    return std::make_unique<MemoryOutputFile>(*this, logicalPath);
}

} // namespace morvela
