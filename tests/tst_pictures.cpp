// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures embedded in the program: their file format and size, and what the pages rely on in them
// (light skies under the black captions, a dark about picture under the white texts, the note card under
// the note text box). Picture coordinates are pixels from the picture's top-left corner; a page picture
// sits 24 px below the top of its tab control.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray resourceBytes(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage picture(const QString &name) {
    return QImage(u":/pictures/"_s + name);
}

double luma(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

double lumaBound(const QImage &image, const QRect &area, bool lowest) {
    double bound = lowest ? 255 : 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            bound =
                lowest ? std::min(bound, luma(image.pixel(x, y))) : std::max(bound, luma(image.pixel(x, y)));
    return bound;
}

// The note text box Text36 in picture pixels, and the white margin the card keeps around it.
const QRect NoteTextBox(360, 136, 273, 225);
constexpr int CardMargin = 12;
// The buttons shown together with the note: qkbzt and bcbzt.
const QRect DeleteButton(192, 440, 225, 25), SaveButton(568, 440, 225, 25);

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bitmapIsUncompressed24BitOfExactSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const char *name : {"welcome", "schedule", "datequery", "mail", "note", "note-card", "tools"})
            QTest::newRow(name) << QString::fromLatin1(name) + u".bmp"_s << QSize(987, 537);
        QTest::newRow("about") << u"about.bmp"_s << QSize(990, 563);
        QTest::newRow("emblem") << u"emblem.bmp"_s << QSize(59, 58);
    }
    void bitmapIsUncompressed24BitOfExactSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray bytes = resourceBytes(u":/pictures/"_s + name);
        QVERIFY2(bytes.size() > 54, "the picture is missing from the resources");
        const auto le32 = [&](int at) { return qFromLittleEndian<qint32>(bytes.constData() + at); };
        const auto le16 = [&](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(le32(2), bytes.size());
        QCOMPARE(le32(14), 40);            // BITMAPINFOHEADER
        QCOMPARE(le32(18), size.width());  //
        QCOMPARE(le32(22), size.height()); // positive: rows stored bottom-up
        QCOMPARE(le16(26), quint16(1));    // planes
        QCOMPARE(le16(28), quint16(24));   // bits per pixel
        QCOMPARE(le32(30), 0);             // BI_RGB, no compression
        const int stride = (size.width() * 3 + 3) / 4 * 4;
        QCOMPARE(le32(10) + stride * size.height(), bytes.size());

        const QImage image = picture(name);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
    }

    void windowIconHasTransparency() {
        const QImage icon(u":/icons/morvela.png"_s);
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.hasAlphaChannel());
        QCOMPARE(qAlpha(icon.pixel(0, 31)), 0);
        QCOMPARE(qAlpha(icon.pixel(31, 31)), 0);
        QCOMPARE(qAlpha(icon.pixel(16, 20)), 255);
    }

    // Black 12 pt captions and the controls stay legible: the sky is light wherever they sit.
    void skyIsLightWhereControlsSit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("area");
        QTest::newRow("schedule grid and buttons") << u"schedule.bmp"_s << QRect(88, 32, 810, 482);
        QTest::newRow("date query box and buttons") << u"datequery.bmp"_s << QRect(184, 128, 618, 178);
        QTest::newRow("mail buttons") << u"mail.bmp"_s << QRect(160, 160, 666, 170);
        QTest::newRow("note buttons") << u"note.bmp"_s << QRect(192, 232, 601, 233);
        QTest::newRow("note card buttons") << u"note-card.bmp"_s << DeleteButton.united(SaveButton);
        QTest::newRow("tool pages, whole picture") << u"tools.bmp"_s << QRect(0, 0, 987, 537);
    }
    void skyIsLightWhereControlsSit() {
        QFETCH(QString, name);
        QFETCH(QRect, area);
        const QImage image = picture(name);
        QVERIFY(image.rect().contains(area));
        QCOMPARE_GE(lumaBound(image, area, true), 200.0);
    }

    void aboutIsDarkUnderTheTexts() {
        const QImage about = picture(u"about.bmp"_s);
        QCOMPARE_LE(lumaBound(about, QRect(152, 88, 249, 173), false), 60.0);
    }

    void emblemBlendsIntoTheAboutPicture() {
        const QImage about = picture(u"about.bmp"_s), emblem = picture(u"emblem.bmp"_s);
        const QPoint at(64, 80); // Image12 on the about page, less the picture's own offset
        for (int x = 0; x < emblem.width(); ++x)
            for (int y : {0, emblem.height() - 1})
                QCOMPARE(emblem.pixel(x, y), about.pixel(at + QPoint(x, y)));
        for (int y = 0; y < emblem.height(); ++y)
            for (int x : {0, emblem.width() - 1})
                QCOMPARE(emblem.pixel(x, y), about.pixel(at + QPoint(x, y)));
        QCOMPARE_GE(luma(emblem.pixel(22, 45)), 200.0); // the white page
    }

    // note-card is note with the card drawn in: the two differ only on a card-sized patch that lies under
    // the note box and keeps off the buttons.
    void noteCardChangesOnlyTheCard() {
        const QImage note = picture(u"note.bmp"_s), card = picture(u"note-card.bmp"_s);
        QCOMPARE(card.size(), note.size());
        QRect changed;
        for (int y = 0; y < note.height(); ++y)
            for (int x = 0; x < note.width(); ++x)
                if (note.pixel(x, y) != card.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        QVERIFY(changed.contains(NoteTextBox.adjusted(-CardMargin, -CardMargin, CardMargin, CardMargin)));
        QCOMPARE_LE(changed.width(), 400);
        QCOMPARE_LE(changed.height(), 380);
        QVERIFY(!changed.intersects(DeleteButton));
        QVERIFY(!changed.intersects(SaveButton));
    }

    void noteCardIsWhiteUnderTheNoteBox() {
        const QImage card = picture(u"note-card.bmp"_s);
        const QRect body = NoteTextBox.adjusted(-CardMargin, -CardMargin, CardMargin, CardMargin);
        for (int y = body.top(); y <= body.bottom(); ++y)
            for (int x = body.left(); x <= body.right(); ++x)
                if (card.pixel(x, y) != qRgb(255, 255, 255))
                    QFAIL(qPrintable(u"not white at %1, %2"_s.arg(x).arg(y)));
    }

    // Above the white body: a thin dark line, and a red band above it.
    void noteCardHasRedBandAboveADarkLine() {
        const QImage card = picture(u"note-card.bmp"_s);
        const int x = NoteTextBox.center().x();
        int line = NoteTextBox.top() - CardMargin;
        while (line > 40 && luma(card.pixel(x, line)) >= 90)
            --line;
        QVERIFY2(line > 40, "no dark line above the card's white body");
        QCOMPARE(card.pixel(x, line + 3), qRgb(255, 255, 255));
        const QRgb band = card.pixel(x, line - 6);
        QCOMPARE_GT(qRed(band), 150);
        QCOMPARE_LT(qGreen(band), 120);
        QCOMPARE_LT(qBlue(band), 120);
    }

    // The generator draws the same bytes on every run: a fresh run matches the committed files, and the
    // program carries exactly the committed pictures.
    void generatorRedrawsTheCommittedFiles() {
#ifndef MORVELA_PICTUREGEN
        QSKIP("the picture generator is not built");
#else
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QProcess generator;
        generator.start(QString::fromUtf8(MORVELA_PICTUREGEN), {out.path()});
        QVERIFY(generator.waitForFinished(120000));
        QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
        QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());

        const QDir committed(QString::fromUtf8(MORVELA_ASSETS_DIR));
        for (const QString &folder : {u"pictures"_s, u"icons"_s}) {
            const QStringList names = QDir(committed.filePath(folder)).entryList(QDir::Files, QDir::Name);
            QCOMPARE(QDir(out.filePath(folder)).entryList(QDir::Files, QDir::Name), names);
            for (const QString &name : names) {
                const QString path = folder + u'/' + name;
                QFile drawn(out.filePath(path)), kept(committed.filePath(path));
                QVERIFY(drawn.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
                const QByteArray keptBytes = kept.readAll();
                QVERIFY2(drawn.readAll() == keptBytes, qPrintable(path + u" differs when redrawn"_s));
                if (QFile::exists(u":/"_s + path))
                    QVERIFY2(resourceBytes(u":/"_s + path) == keptBytes, qPrintable(path + u" is stale"_s));
            }
        }
#endif
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
