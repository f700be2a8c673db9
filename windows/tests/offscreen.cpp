// Linked into every Windows test program: the tests run headless on the offscreen platform. Under Wine the
// QT_QPA_PLATFORM variable does not reach a Windows program, and Qt Test's GUI-less programs refuse a
// "-platform" argument, so the platform is chosen here, before main(), unless one was named already.
#include <QByteArray>
#include <QtGlobal>

namespace {

const bool offscreenPlatform = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    return true;
}();

} // namespace
