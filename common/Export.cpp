// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Export.h"

#include "common/TextFileWriter.h"
#include "platform/Dialogs.h"

using namespace Qt::StringLiterals;

namespace morvela {

namespace {

QString reasonText(const FileError &error) {
    switch (error.kind) {
    case FileFailure::NoDrive:
        return u"找不到D盘，或无法访问D盘根目录。"_s;
    case FileFailure::NoPermission:
        return u"没有写入该文件的权限，或D盘是只读的。"_s;
    case FileFailure::DiskFull:
        return u"D盘空间不足。"_s;
    case FileFailure::TooLarge:
        return u"文件超出了系统允许的大小。"_s;
    case FileFailure::BadName:
        return u"文件名不能用于D盘上的文件。"_s;
    case FileFailure::None:
    case FileFailure::Other:
        break;
    }
    if (error.detail.isEmpty())
        return u"写入文件时出错。"_s;
    return u"写入文件时出错（%1）。"_s.arg(error.detail);
}

} // namespace

ExportResult runExport(Dialogs &dialogs, FileSystem &files, const ExportJob &job) {
    if (dialogs.ConfirmBox(job.question, ConfirmForm::OkCancel) != DialogAnswer::Ok)
        return ExportResult::Cancelled;

    const QString path = job.prepare();
    TextFileWriter writer(files);
    bool ok = writer.open(path);
    if (ok) {
        const QStringList lines = job.lines();
        for (const QString &line : lines) {
            ok = writer.writeLine(line);
            if (!ok)
                break;
        }
        if (ok)
            ok = writer.close();
    }
    if (!ok) {
        // The writer has dropped the unfinished file; an earlier file of the same name is untouched.
        dialogs.InfoBox(u"保存失败！文件“%1”未能写入：\r\n%2"_s.arg(path, reasonText(writer.error())),
                        InfoIcon::Warning);
        return ExportResult::Failed;
    }
    dialogs.InfoBox(job.success, InfoIcon::Information);
    return ExportResult::Written;
}

} // namespace morvela
