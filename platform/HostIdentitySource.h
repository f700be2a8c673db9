// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace morvela {

// The computer's local IP address and network name, read afresh on every call.
class HostIdentitySource {
public:
    virtual ~HostIdentitySource() = default;
    virtual std::optional<QString> localIP() = 0;
    virtual std::optional<QString> localHostName() = 0;
};

} // namespace morvela
