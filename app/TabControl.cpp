// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TabControl.h"

#include <QEvent>
#include <QStackedWidget>

namespace morvela {

TabRow::TabRow(int rowWidth, QWidget *parent) : QTabBar(parent), m_rowWidth(rowWidth) {
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(false);
    setExpanding(false);
    setDrawBase(true);
}

QSize TabRow::tabSizeHint(int index) const {
    const int tabs = count();
    if (tabs <= 0 || index < 0 || index >= tabs)
        return {0, TabHeight};
    // The control's width shared out evenly; the first tabs take the odd pixels left over.
    const int width = m_rowWidth / tabs + (index < m_rowWidth % tabs ? 1 : 0);
    return {width, TabHeight};
}

TabControl::TabControl(const QRect &geometry, QWidget *parent) : QTabWidget(parent) {
    setGeometry(geometry);
    setTabBar(new TabRow(geometry.width(), this));
    m_pages = findChild<QStackedWidget *>(QString(), Qt::FindDirectChildrenOnly);
    if (m_pages)
        m_pages->installEventFilter(this);
    coverWithPages();
}

QWidget *TabControl::addPage(const QString &caption, const QString &objectName) {
    auto *page = new TabPage;
    page->setObjectName(objectName);
    addTab(page, caption);
    coverWithPages();
    return page;
}

// The tab widget lays its pages out below the tabs; here they cover the whole control instead, beneath
// the row of tabs, so that a page's coordinates are the control's.
void TabControl::coverWithPages() {
    if (!m_pages)
        return;
    if (m_pages->geometry() != rect())
        m_pages->setGeometry(rect());
    tabBar()->raise();
}

bool TabControl::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_pages && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        coverWithPages();
    return QTabWidget::eventFilter(watched, event);
}

void TabControl::resizeEvent(QResizeEvent *event) {
    QTabWidget::resizeEvent(event);
    coverWithPages();
}

void TabControl::showEvent(QShowEvent *event) {
    QTabWidget::showEvent(event);
    coverWithPages();
}

} // namespace morvela
