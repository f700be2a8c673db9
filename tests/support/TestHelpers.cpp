#include "support/TestHelpers.h"

#include "common/TextFileWriter.h"
#include "platform/fakes/MemoryFileSystem.h"

#include <QStringEncoder>
#include <QStringList>

using namespace Qt::StringLiterals;

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

QByteArray writtenBytes(const QStringList &lines) {
    MemoryFileSystem files;
    TextFileWriter writer(files);
    const QString path = u"D:\\t.txt"_s;
    if (!writer.open(path))
        return "open failed";
    for (const QString &line : lines)
        if (!writer.writeLine(line))
            return "write failed";
    if (!writer.close())
        return "close failed";
    return files.bytes(path);
}

} // namespace morvela::test
