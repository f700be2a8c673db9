#pragma once

#include "platform/HostIdentitySource.h"

namespace morvela {

// The host's name and first suitable local address, from Qt Network.
class NetworkHostIdentity final : public HostIdentitySource {
public:
    std::optional<QString> localIP() override;
    std::optional<QString> localHostName() override;
};

} // namespace morvela
