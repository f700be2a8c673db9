// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HostIdentitySource.h"

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>

namespace morvela {

// One network interface as the address choice sees it: its state flags and its addresses, in the
// order the system reports them.
struct InterfaceAddresses {
    QNetworkInterface::InterfaceFlags flags;
    QList<QHostAddress> addresses;
};

// The address shown as "the" local address, as text. Only interfaces that are up, running and not
// loopback count. Among their addresses, in interface order and then address order, the first of the
// best kind wins: an IPv4 address, then an IPv4 link-local (169.254.x.x) one, then a global IPv6
// address, then a link-local IPv6 one. IPv6 text carries no "%scope" suffix. With none of these
// the answer is "127.0.0.1".
QString chooseLocalAddress(const QList<InterfaceAddresses> &interfaces);

// The host's name and its chosen local address, from Qt Network, read afresh on every call.
class NetworkHostIdentity final : public HostIdentitySource {
public:
    std::optional<QString> localIP() override;
    std::optional<QString> localHostName() override;
};

} // namespace morvela
