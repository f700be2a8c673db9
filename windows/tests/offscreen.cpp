// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every Windows test program: the tests run headless on the offscreen platform. Under Wine the
// QT_QPA_PLATFORM variable does not reach a Windows program, and Qt Test's GUI-less programs refuse a
// "-platform" argument, so the platform is chosen here, before main(), unless one was named already. The
// offscreen platform reads fonts from one folder: scripts/wine-test.sh names one that holds the Chinese
// fonts in MORVELA_WINE_FONTDIR.
#include <QByteArray>
#include <QtGlobal>

namespace {

const bool offscreenPlatform = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR") && qEnvironmentVariableIsSet("MORVELA_WINE_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("MORVELA_WINE_FONTDIR"));
    return true;
}();

} // namespace
