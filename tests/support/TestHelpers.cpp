#include "support/TestHelpers.h"

#include <QStringEncoder>
#include <QStringList>

namespace morvela::test {

QByteArray hexBytes(const char *spaced) {
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

QByteArray gbkLines(const QStringList &lines) {
    QStringEncoder gbk("GBK");
    QByteArray out;
    for (const QString &line : lines) {
        out += gbk.encode(line);
        out += "\r\n";
    }
    return out;
}

} // namespace morvela::test
