// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace morvela {

// The two captions of the page, which also open the two lines of the file.
inline const QString IpLineLabel = QStringLiteral("本机IP地址为：");
inline const QString HostNameLineLabel = QStringLiteral("计算机名为：");

// The file the "保存" button writes, directly in the output folder.
inline const QString HostIdentityFileName = QStringLiteral("本机IP地址及计算机名.txt");

// OutputRoot followed by HostIdentityFileName.
QString hostIdentityFilePath();

// The file's two lines: each caption followed directly by the box's text, the address first.
QStringList hostIdentityFileLines(const QString &ipText, const QString &hostNameText);

} // namespace morvela
