// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PictureLabel.h"

#include <QPainter>
#include <QResource>
#include <QtEndian>

#include <cstring>

namespace morvela {

QImage decodeBitmap24(const uchar *data, qint64 size) {
    // BITMAPFILEHEADER (14 bytes) then BITMAPINFOHEADER (40 bytes or a later, longer version).
    if (!data || size < 54 || data[0] != 'B' || data[1] != 'M')
        return {};
    const quint32 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(data + 14);
    const qint32 width = qFromLittleEndian<qint32>(data + 18);
    const qint32 height = qFromLittleEndian<qint32>(data + 22);
    const quint16 planes = qFromLittleEndian<quint16>(data + 26);
    const quint16 bitCount = qFromLittleEndian<quint16>(data + 28);
    const quint32 compression = qFromLittleEndian<quint32>(data + 30);
    if (infoSize < 40 || planes != 1 || bitCount != 24 || compression != 0 || width <= 0 || height == 0 ||
        width > 32768 || height > 32768 || height < -32768)
        return {};
    const int rows = height < 0 ? -height : height;
    const qint64 stride = (qint64(width) * 3 + 3) & ~qint64(3);
    if (pixelsAt < 14 + infoSize || qint64(pixelsAt) + stride * rows > size)
        return {};

    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const uchar *in = data + pixelsAt + stride * (height > 0 ? rows - 1 - y : y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        int x = 0;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        // Four pixels (twelve bytes: B G R B | G R B G | R B G R) from three 32-bit words at a time.
        for (; x + 4 <= width; x += 4, in += 12) {
            quint32 a, b, c;
            std::memcpy(&a, in, 4);
            std::memcpy(&b, in + 4, 4);
            std::memcpy(&c, in + 8, 4);
            out[x] = 0xFF000000u | (a & 0xFFFFFFu);
            out[x + 1] = 0xFF000000u | (a >> 24) | ((b & 0xFFFFu) << 8);
            out[x + 2] = 0xFF000000u | (b >> 16) | ((c & 0xFFu) << 16);
            out[x + 3] = 0xFF000000u | (c >> 8);
        }
#endif
        for (; x < width; ++x, in += 3)
            out[x] = 0xFF000000u | (QRgb(in[2]) << 16) | (QRgb(in[1]) << 8) | QRgb(in[0]);
    }
    return image;
}

QPixmap PictureStore::picture(const QString &resource) {
    auto found = m_pictures.constFind(resource);
    if (found != m_pictures.constEnd())
        return *found;
    ++m_decodes[resource];
    // A bitmap stored uncompressed is read straight from the program's memory; anything else goes
    // through Qt's image readers.
    QPixmap decoded;
    const QResource stored(resource);
    if (stored.isValid() && stored.compressionAlgorithm() == QResource::NoCompression)
        decoded = QPixmap::fromImage(decodeBitmap24(stored.data(), stored.size()));
    if (decoded.isNull())
        decoded = QPixmap(resource);
    m_pictures.insert(resource, decoded);
    return decoded;
}

int PictureStore::totalDecodes() const {
    int total = 0;
    for (int n : m_decodes)
        total += n;
    return total;
}

PictureLabel::PictureLabel(PictureStore &store, const QString &resource, QWidget *parent)
    : QLabel(parent), m_store(store), m_resource(resource) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
    setFocusPolicy(Qt::NoFocus);
}

void PictureLabel::showEvent(QShowEvent *event) {
    if (!m_loaded) {
        m_loaded = true;
        const QPixmap pixmap = m_store.picture(m_resource);
        if (!pixmap.isNull())
            setPixmap(pixmap);
    }
    QLabel::showEvent(event);
}

void PictureLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap());
}

} // namespace morvela
