// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace morvela {

struct Services;

// The sticky-note page: creating the note (qhbzt), saving it (bcbzt) and deleting it (qkbzt). The
// page is in one of two states, told apart only by which controls are visible: no note (wbzt, qhbzt)
// or a note shown (ybzt, Text36, qkbzt, bcbzt).
class NoteHandlers final : public QObject {
    Q_OBJECT
public:
    NoteHandlers(QWidget *page, Services &services);

public Q_SLOTS:
    void qhbzt_Click();
    void bcbzt_Click();
    void qkbzt_Click();

private:
    Services &m_services;
    QLabel *m_emptyPicture;      // wbzt
    QLabel *m_cardPicture;       // ybzt
    QPlainTextEdit *m_noteBox;   // Text36
    QPushButton *m_newButton;    // qhbzt
    QPushButton *m_saveButton;   // bcbzt
    QPushButton *m_deleteButton; // qkbzt
};

} // namespace morvela
