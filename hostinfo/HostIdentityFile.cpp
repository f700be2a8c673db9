// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostinfo/HostIdentityFile.h"

#include "platform/FileSystem.h"

namespace morvela {

QString hostIdentityFilePath() {
    return OutputRoot + HostIdentityFileName;
}

QStringList hostIdentityFileLines(const QString &ipText, const QString &hostNameText) {
    return {IpLineLabel + ipText, HostNameLineLabel + hostNameText};
}

} // namespace morvela
