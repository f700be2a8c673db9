// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace morvela {

// The row of tabs of a tab control: all tabs in one row, of equal width (the control's width shared out
// among the tabs) and 20 pixels high, never elided and never scrolled.
class TabRow final : public QTabBar {
    Q_OBJECT
public:
    explicit TabRow(int rowWidth, QWidget *parent = nullptr);

    static constexpr int TabHeight = 20;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    int m_rowWidth;
};

// One page of a tab control: the controls of one tab lie on it.
class TabPage final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// A tab control whose pages count their coordinates from the control's own top-left corner: every page
// covers the whole control, the row of tabs included, and page contents start below the tabs (at 24
// pixels). Each tab control keeps its own active tab.
class TabControl final : public QTabWidget {
    Q_OBJECT
public:
    TabControl(const QRect &geometry, QWidget *parent);

    // Adds a page; its controls are positioned relative to this tab control.
    QWidget *addPage(const QString &caption, const QString &objectName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void coverWithPages();
    QWidget *m_pages = nullptr;
};

} // namespace morvela
