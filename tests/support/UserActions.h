#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace morvela::test {

// Brings the page up in every tab control that holds it, as the user would by clicking its tabs.
void bringUp(QWidget *page);

// Replaces the box's text by typing, one key press per character.
void type(QLineEdit *box, const QString &text);

} // namespace morvela::test
