// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace morvela {

class Dialogs;
class FileSystem;

// One export, as every export runs: ConfirmBox (OK/Cancel) with `question`; on OK `prepare` runs
// (it may refresh controls and read the clock) and gives the path; the file is opened; `lines` runs
// (it may read the clock and controls again) and its lines are written; the file is closed; then
// `success` is shown. A failed step stops the export: no further line is written, the success
// message is not shown, a warning names the file and the reason, and an earlier file of that name
// is left as it was.
struct ExportJob {
    QString question;
    std::function<QString()> prepare;
    std::function<QStringList()> lines;
    QString success;
};

enum class ExportResult { Cancelled, Written, Failed };

ExportResult runExport(Dialogs &dialogs, FileSystem &files, const ExportJob &job);

} // namespace morvela
