// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"
#include "platform/fakes/FakeClock.h"
#include "platform/fakes/FakeDialogs.h"
#include "platform/fakes/FakeHostIdentity.h"
#include "platform/fakes/FakeShell.h"
#include "platform/fakes/MemoryFileSystem.h"

namespace morvela {

// Every platform service as a fake, wired into one Services.
struct FakePlatform {
    FakeDialogs dialogs;
    FakeClock clock;
    MemoryFileSystem files;
    FakeShell shell;
    FakeHostIdentity host;
    Services services{dialogs, clock, files, shell, host};
};

} // namespace morvela
