// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PictureLabel.h"

#include <QFile>
#include <QResource>
#include <QtEndian>
#include <QtTest>

using namespace morvela;
using namespace Qt::StringLiterals;

namespace {

// A small 24-bit bitmap, bottom-up (positive height) or top-down (negative height).
QByteArray bitmap(int width, int height, bool topDown) {
    const int stride = (width * 3 + 3) & ~3;
    QByteArray bytes(54 + stride * height, '\0');
    auto *d = reinterpret_cast<uchar *>(bytes.data());
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), d + 2);
    qToLittleEndian<quint32>(54, d + 10);
    qToLittleEndian<quint32>(40, d + 14);
    qToLittleEndian<qint32>(width, d + 18);
    qToLittleEndian<qint32>(topDown ? -height : height, d + 22);
    qToLittleEndian<quint16>(1, d + 26);
    qToLittleEndian<quint16>(24, d + 28);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row; // the picture row stored at this position
        for (int x = 0; x < width; ++x) {
            uchar *p = d + 54 + row * stride + x * 3;
            p[0] = uchar(10 * x);      // blue
            p[1] = uchar(20 * y);      // green
            p[2] = uchar(x + y + 100); // red
        }
    }
    return bytes;
}

} // namespace

class BitmapDecodeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesQtsReader_data();
    void matchesQtsReader();
    void refusesWhatItCannotRead_data();
    void refusesWhatItCannotRead();
    void startPictureIsReadUncompressed();
};

void BitmapDecodeTest::matchesQtsReader_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("bottom-up, padded rows") << bitmap(5, 3, false);
    QTest::newRow("top-down") << bitmap(5, 3, true);
    QTest::newRow("one pixel") << bitmap(1, 1, false);
    QFile welcome(u":/pictures/welcome.bmp"_s);
    QVERIFY(welcome.open(QIODevice::ReadOnly));
    QTest::newRow("welcome picture") << welcome.readAll();
}

void BitmapDecodeTest::matchesQtsReader() {
    QFETCH(QByteArray, bytes);
    const QImage ours = decodeBitmap24(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
    const QImage qts = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    QVERIFY(!qts.isNull());
    QCOMPARE(ours.format(), QImage::Format_RGB32);
    QCOMPARE(ours, qts);
}

void BitmapDecodeTest::refusesWhatItCannotRead_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = bitmap(4, 4, false);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header only") << good.left(54);
    QTest::newRow("one byte short") << good.chopped(1);
    QByteArray notBmp = good;
    notBmp[0] = 'P';
    QTest::newRow("not a bitmap") << notBmp;
    QByteArray bits32 = good;
    qToLittleEndian<quint16>(32, bits32.data() + 28);
    QTest::newRow("32 bits") << bits32;
    QByteArray rle = good;
    qToLittleEndian<quint32>(1, rle.data() + 30);
    QTest::newRow("compressed") << rle;
    QByteArray huge = good;
    qToLittleEndian<qint32>(0x7FFFFFFF, huge.data() + 18);
    QTest::newRow("huge width") << huge;
    QByteArray offset = good;
    qToLittleEndian<quint32>(0xFFFFFFF0u, offset.data() + 10);
    QTest::newRow("pixels beyond the end") << offset;
}

void BitmapDecodeTest::refusesWhatItCannotRead() {
    QFETCH(QByteArray, bytes);
    QVERIFY(decodeBitmap24(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size()).isNull());
}

void BitmapDecodeTest::startPictureIsReadUncompressed() {
    // The picture shown at start must not need inflating; the others may.
    QCOMPARE(QResource(u":/pictures/welcome.bmp"_s).compressionAlgorithm(), QResource::NoCompression);
    PictureStore store;
    const QPixmap welcome = store.picture(u":/pictures/welcome.bmp"_s);
    QCOMPARE(welcome.size(), QSize(987, 537));
    QCOMPARE(welcome.toImage().convertToFormat(QImage::Format_RGB32),
             QImage(u":/pictures/welcome.bmp"_s).convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(BitmapDecodeTest)
#include "tst_bitmapdecode.moc"
