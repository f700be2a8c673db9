// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestHelpers.h"

#include "common/TextFileWriter.h"
#include "platform/fakes/MemoryFileSystem.h"

#include <QRegularExpression>
#include <QStringEncoder>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;

namespace morvela::test {

QByteArray hexBytes(const char *spaced) {
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

QByteArray gbkLines(const QStringList &lines) {
    QByteArray out;
#ifdef Q_OS_WIN
    for (const QString &line : lines) {
        const auto *wide = reinterpret_cast<const wchar_t *>(line.utf16());
        const int size = WideCharToMultiByte(CP_ACP, 0, wide, int(line.size()), nullptr, 0, nullptr, nullptr);
        QByteArray bytes(size, Qt::Uninitialized);
        WideCharToMultiByte(CP_ACP, 0, wide, int(line.size()), bytes.data(), size, nullptr, nullptr);
        out += bytes;
        out += "\r\n";
    }
#else
    QStringEncoder gbk("GBK");
    for (const QString &line : lines) {
        out += gbk.encode(line);
        out += "\r\n";
    }
#endif
    return out;
}

QString regional(const QString &reference) {
#ifdef Q_OS_WIN
    // Dates first (year-month-day), then times (hours:minutes[:seconds]) in what is left.
    static const QRegularExpression date(u"\\b(\\d{4})-(\\d{1,2})-(\\d{1,2})\\b"_s);
    static const QRegularExpression time(u"\\b(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\b"_s);
    wchar_t buffer[128];
    QString text = reference;
    for (auto m = date.match(text); m.hasMatch(); m = date.match(text, m.capturedStart() + 1)) {
        SYSTEMTIME st{};
        st.wYear = WORD(m.captured(1).toInt());
        st.wMonth = WORD(m.captured(2).toInt());
        st.wDay = WORD(m.captured(3).toInt());
        const int n =
            GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128, nullptr);
        QString regionalDate = QString::fromWCharArray(buffer, qMax(0, n - 1));
        if (n <= 0) {
            // Windows writes no date before 1601: the same numbers with the regional date separator.
            const int s = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDATE, buffer, 128);
            regionalDate =
                m.captured(0).replace(QLatin1Char('-'), QString::fromWCharArray(buffer, qMax(0, s - 1)));
        }
        text.replace(m.capturedStart(), m.capturedLength(), regionalDate);
    }
    QString out;
    qsizetype done = 0;
    for (auto it = time.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        SYSTEMTIME st{};
        st.wYear = 2009;
        st.wMonth = 7;
        st.wDay = 23;
        st.wHour = WORD(m.captured(1).toInt());
        st.wMinute = WORD(m.captured(2).toInt());
        st.wSecond = WORD(m.captured(3).toInt());
        const DWORD flags = m.captured(3).isEmpty() ? TIME_NOSECONDS : 0;
        const int n = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &st, nullptr, buffer, 128);
        out += text.mid(done, m.capturedStart() - done) + QString::fromWCharArray(buffer, qMax(0, n - 1));
        done = m.capturedEnd();
    }
    return out + text.mid(done);
#else
    return reference;
#endif
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
