// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace morvela {

class Dialogs;
class Clock;
class FileSystem;
class Shell;
class HostIdentitySource;

// The platform as the window and its handlers see it. main() wires the real services; tests wire fakes.
struct Services {
    Dialogs &dialogs;
    Clock &clock;
    FileSystem &files;
    Shell &shell;
    HostIdentitySource &host;
};

} // namespace morvela
