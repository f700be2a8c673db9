// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPixmap>

namespace morvela {

// A 24-bit uncompressed Windows bitmap (bottom-up or top-down) as an RGB32 image; a null image when the
// bytes are anything else or do not hold the whole picture.
QImage decodeBitmap24(const uchar *data, qint64 size);

// The window's pictures, each decoded once when first needed and then shared by every label that shows it.
class PictureStore final : public QObject {
    Q_OBJECT
public:
    explicit PictureStore(QObject *parent = nullptr) : QObject(parent) {}

    // The picture of the resource, decoded on the first request. A missing resource gives a null pixmap.
    QPixmap picture(const QString &resource);

    // How many times a resource was decoded (0 or 1).
    int decodes(const QString &resource) const { return m_decodes.value(resource); }
    int totalDecodes() const;

private:
    QHash<QString, QPixmap> m_pictures;
    QHash<QString, int> m_decodes;
};

// A picture drawn at its natural size from its top-left corner. The pixmap is fetched when the label is
// first shown, so a page's picture costs nothing until the page is opened.
class PictureLabel final : public QLabel {
    Q_OBJECT
public:
    PictureLabel(PictureStore &store, const QString &resource, QWidget *parent = nullptr);

    bool isLoaded() const { return m_loaded; }

protected:
    void showEvent(QShowEvent *event) override;
    // Drawn the same whether enabled or not: a picture is no control, and the window behind a message box
    // keeps its looks.
    void paintEvent(QPaintEvent *event) override;

private:
    PictureStore &m_store;
    QString m_resource;
    bool m_loaded = false;
};

} // namespace morvela
