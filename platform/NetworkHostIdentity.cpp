#include "platform/NetworkHostIdentity.h"

#include <QHostInfo>

namespace morvela {

std::optional<QString> NetworkHostIdentity::localIP() { return std::nullopt; }

std::optional<QString> NetworkHostIdentity::localHostName() {
    const QString name = QHostInfo::localHostName();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

} // namespace morvela
