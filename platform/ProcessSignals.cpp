// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessSignals.h"

#include <csignal>

namespace morvela {

void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace morvela
