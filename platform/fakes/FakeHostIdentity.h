// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostIdentitySource.h"

namespace morvela {

// Answers with set values; an unset value is a failing read. Counts the reads.
class FakeHostIdentity final : public HostIdentitySource {
public:
    std::optional<QString> ip = QStringLiteral("192.168.1.10");
    std::optional<QString> hostName = QStringLiteral("OFFICE-PC");
    int ipReads = 0;
    int nameReads = 0;

    std::optional<QString> localIP() override {
        ++ipReads;
        return ip;
    }
    std::optional<QString> localHostName() override {
        ++nameReads;
        return hostName;
    }
};

} // namespace morvela
