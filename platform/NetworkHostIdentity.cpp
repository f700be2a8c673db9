// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NetworkHostIdentity.h"

#include <QHostInfo>

using namespace Qt::StringLiterals;

namespace morvela {

namespace {

constexpr int NotSuitable = -1;

// How good an address is for display: 0 is best; NotSuitable is never chosen.
int addressRank(const QHostAddress &address) {
    if (address.isNull() || address.isLoopback())
        return NotSuitable;
    switch (address.protocol()) {
    case QAbstractSocket::IPv4Protocol:
        if (address == QHostAddress(QHostAddress::AnyIPv4))
            return NotSuitable;
        return address.isLinkLocal() ? 1 : 0;
    case QAbstractSocket::IPv6Protocol:
        if (address == QHostAddress(QHostAddress::AnyIPv6))
            return NotSuitable;
        return address.isLinkLocal() ? 3 : 2;
    default:
        return NotSuitable;
    }
}

bool interfaceCounts(QNetworkInterface::InterfaceFlags flags) {
    return flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning) &&
           !flags.testFlag(QNetworkInterface::IsLoopBack);
}

QList<InterfaceAddresses> currentInterfaces() {
    QList<InterfaceAddresses> result;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        InterfaceAddresses entry{interface.flags(), {}};
        const QList<QNetworkAddressEntry> entries = interface.addressEntries();
        for (const QNetworkAddressEntry &e : entries)
            entry.addresses.append(e.ip());
        result.append(entry);
    }
    return result;
}

} // namespace

QString chooseLocalAddress(const QList<InterfaceAddresses> &interfaces) {
    QHostAddress best;
    int bestRank = NotSuitable;
    for (const InterfaceAddresses &interface : interfaces) {
        if (!interfaceCounts(interface.flags))
            continue;
        for (const QHostAddress &address : interface.addresses) {
            const int rank = addressRank(address);
            if (rank != NotSuitable && (bestRank == NotSuitable || rank < bestRank)) {
                best = address;
                bestRank = rank;
            }
        }
    }
    if (bestRank == NotSuitable)
        return u"127.0.0.1"_s;
    best.setScopeId(QString());
    return best.toString();
}

std::optional<QString> NetworkHostIdentity::localIP() {
    return chooseLocalAddress(currentInterfaces());
}

std::optional<QString> NetworkHostIdentity::localHostName() {
    const QString name = QHostInfo::localHostName();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

} // namespace morvela
