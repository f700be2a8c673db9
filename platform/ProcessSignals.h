// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace morvela {

// A write beyond the process's file-size limit (ulimit -f) raises SIGXFSZ, which would end the program
// without a word and lose what was typed. Ignored, the write fails with EFBIG instead, like any other
// refused write: the export shows its warning and an earlier file stays. Called first thing in main().
// Does nothing on platforms without the signal.
void IgnoreFileSizeSignal();

} // namespace morvela
