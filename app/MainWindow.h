#pragma once

#include <QWidget>

namespace morvela {

struct Services;

// The only window: the outer tab control with its nested pages, and the status bar.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Services &services, QWidget *parent = nullptr);

private:
    Services &m_services;
};

} // namespace morvela
