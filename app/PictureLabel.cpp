#include "app/PictureLabel.h"

namespace morvela {

QPixmap PictureStore::picture(const QString &resource) {
    auto found = m_pictures.constFind(resource);
    if (found != m_pictures.constEnd())
        return *found;
    ++m_decodes[resource];
    const QPixmap decoded(resource);
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

} // namespace morvela
