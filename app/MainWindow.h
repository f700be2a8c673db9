// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

namespace morvela {

struct Services;
class PictureStore;
class StatusBar;
class TabControl;
struct TabControlSpec;
struct PageSpec;

// The only window: the outer tab control with its nested pages, and the status bar. Every control is
// built from the pages' descriptions, then each page's handlers are attached as its description says.
// A page's controls are made when the page is first shown, so that start-up does only the opening
// page's work; the user sees no difference: a page's controls, in their starting state, and its
// handlers are there before the page is first drawn.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Services &services, QWidget *parent = nullptr);

    // Builds every page that is not built yet (tests and tools that reach into pages not shown).
    void buildAllPages();
    // Whether the page (by object name: SchedulePage, LinearSystemPage, ...) has its controls yet.
    bool isPageBuilt(const QString &pageName) const;

    StatusBar *statusBar() const { return m_statusBar; }
    PictureStore &pictures() const { return *m_pictures; }

private:
    struct Focusable {
        int tabIndex;
        int tabOrderWithin;
        QWidget *widget;
    };
    struct PendingPage {
        const PageSpec *entry;
        QWidget *page;
    };
    TabControl *buildTabControl(const TabControlSpec &entry, QWidget *container);
    void buildPage(const PageSpec &entry, QWidget *page);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void passFocusOn(QWidget *control);
    void chainTabOrder();
    void buildPending(qsizetype index);

    Services &m_services;
    QList<Focusable> m_order;
    QList<PendingPage> m_pending; // pages not built yet, in the order of the tables
    PictureStore *m_pictures = nullptr;
    StatusBar *m_statusBar = nullptr;
};

} // namespace morvela
