#pragma once

#include <QWidget>

namespace morvela {

struct Services;
class PictureStore;
class StatusBar;
class TabControl;
struct TabControlSpec;

// The only window: the outer tab control with its nested pages, and the status bar. Every control is
// built from the control inventory, then each page's handlers are attached.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Services &services, QWidget *parent = nullptr);

    StatusBar *statusBar() const { return m_statusBar; }
    PictureStore &pictures() const { return *m_pictures; }

private:
    struct Focusable {
        int tabIndex;
        QWidget *widget;
    };
    TabControl *buildTabControl(const TabControlSpec &spec, QWidget *container, QList<Focusable> &order);

    Services &m_services;
    PictureStore *m_pictures = nullptr;
    StatusBar *m_statusBar = nullptr;
};

} // namespace morvela
