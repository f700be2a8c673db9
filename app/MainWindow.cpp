// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/Accessibility.h"
#include "app/ControlInventory.h"
#include "app/Fonts.h"
#include "app/PictureLabel.h"
#include "app/StatusBar.h"
#include "app/TabControl.h"
#include "common/AppTexts.h"
#include "platform/Services.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QValidator>

#include <algorithm>

namespace morvela {

using namespace Qt::StringLiterals;

namespace {

QRect pixelRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

void applyColours(QWidget *widget, Colours colours) {
    QPalette palette;
    switch (colours) {
    case Colours::System:
    case Colours::Transparent:
        return;
    case Colours::BlackOnWhite:
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        break;
    case Colours::TransparentBlackText:
        palette.setColor(QPalette::WindowText, Qt::black);
        break;
    case Colours::TransparentWhiteText:
        palette.setColor(QPalette::WindowText, Qt::white);
        break;
    case Colours::ButtonFace:
        palette.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
        break;
    }
    widget->setPalette(palette);
}

// A single-line box holds one line, as the system's own single-line box does: of a text that comes in
// with line breaks (pasted, dropped) only its first line is taken; what the box held stays. Without
// this a pasted break would stay in the box and split an exported line.
class SingleLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override {
        const auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
        if (std::none_of(input.cbegin(), input.cend(), isBreak)) {
            m_accepted = input;
            return Acceptable;
        }
        // The accepted text holds no break, so every break lies in what came in: the part between the
        // unchanged start and the unchanged end.
        const qsizetype most = std::min(input.size(), m_accepted.size());
        qsizetype head = 0;
        while (head < most && input[head] == m_accepted[head])
            ++head;
        qsizetype tail = 0;
        while (tail < most - head &&
               input[input.size() - 1 - tail] == m_accepted[m_accepted.size() - 1 - tail])
            ++tail;
        const QStringView added = QStringView(input).sliced(head, input.size() - head - tail);
        const qsizetype firstLine = std::find_if(added.cbegin(), added.cend(), isBreak) - added.cbegin();
        input = input.left(head) + added.first(firstLine) + input.right(tail);
        pos = int(head + firstLine);
        m_accepted = input;
        return Acceptable;
    }

private:
    mutable QString m_accepted; // the box's text as last accepted
};

QWidget *buildControl(const ControlSpec &entry, QWidget *page, PictureStore &pictures) {
    QWidget *widget = nullptr;
    switch (entry.kind) {
    case ControlKind::Button: {
        auto *button = new QPushButton(entry.text, page);
        // Enter presses the focused button, as Space does (outside a dialog Qt leaves Enter unanswered).
        button->setAutoDefault(true);
        widget = button;
        break;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(page);
        box->setValidator(new SingleLineValidator(box));
        box->setText(entry.text);
        box->setCursorPosition(0);
        widget = box;
        break;
    }
    case ControlKind::MultiLineTextBox: {
        auto *box = new QPlainTextEdit(page);
        // As in the system's multi-line box, Tab and Shift+Tab move on to the next or previous control;
        // the keyboard types no tab into it (a pasted tab stays in the text).
        box->setTabChangesFocus(true);
        box->setPlainText(entry.text);
        widget = box;
        break;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(page);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(false);
        label->setText(entry.text);
        widget = label;
        break;
    }
    case ControlKind::Picture:
        widget = new PictureLabel(pictures, entry.picture, page);
        break;
    }
    widget->setObjectName(entry.name);
    widget->setGeometry(pixelRect(entry.left, entry.top, entry.width, entry.height));
    const FontSpec standard = defaultFont();
    if (entry.kind != ControlKind::Picture &&
        (entry.font.family != standard.family || entry.font.points != standard.points || entry.font.bold))
        widget->setFont(fontFor(entry.font));
    if (!entry.tooltip.isEmpty())
        widget->setToolTip(entry.tooltip);
    if (!entry.accessibleName.isEmpty())
        widget->setAccessibleName(entry.accessibleName);
    applyColours(widget, entry.colours);
    if (!entry.shown)
        widget->setVisible(false);
    else if (page->isVisible())
        widget->show(); // a page built while it is already on screen
    return widget;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::TextBox ||
           kind == ControlKind::MultiLineTextBox;
}

} // namespace

MainWindow::MainWindow(Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services) {
    installFontSubstitutions();
    installAccessibleInterfaces();
    setWindowTitle(AppTitle);
    // The program's icon, already loaded when main() set it for the whole application.
    const QIcon programIcon = QGuiApplication::windowIcon();
    setWindowIcon(programIcon.isNull() ? QIcon(u":/icons/morvela.png"_s) : programIcon);
    setFont(fontFor(defaultFont()));
    setFixedSize(pixels(WindowWidthTwips), pixels(WindowHeightTwips));

    m_pictures = new PictureStore(this);
    buildTabControl(outerTabControl(), this);

    // The status bar lies over the bottom edge of the outer tab control.
    const StatusBarSpec &bar = statusBarSpec();
    QList<int> widths;
    for (int twips : bar.panelWidths)
        widths.append(pixels(twips));
    m_statusBar =
        new StatusBar(services.clock, widths, pixelRect(bar.left, bar.top, bar.width, bar.height), this);
    m_statusBar->setObjectName(bar.name);
    m_statusBar->raise();

    chainTabOrder();

    if (const QScreen *screen = this->screen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

TabControl *MainWindow::buildTabControl(const TabControlSpec &entry, QWidget *container) {
    auto *tabs = new TabControl(pixelRect(entry.left, entry.top, entry.width, entry.height), container);
    tabs->setObjectName(entry.name);
    m_order.append({entry.tabIndex, 0, tabs});
    for (const PageSpec &pageSpec : entry.pages) {
        QWidget *page = tabs->addPage(pageSpec.caption, pageSpec.name);
        // Built just before the page is first shown (the show event reaches this filter before the page
        // shows its children).
        m_pending.append({&pageSpec, page});
        page->installEventFilter(this);
    }
    tabs->setCurrentIndex(0);
    if (container->isVisible())
        tabs->show(); // a tab control on a page that is being built while on screen
    return tabs;
}

void MainWindow::buildPage(const PageSpec &entry, QWidget *page) {
    // Pictures first, so that they lie beneath every other control of their page.
    for (const ControlSpec &c : entry.controls) {
        if (c.kind == ControlKind::Picture)
            buildControl(c, page, *m_pictures);
    }
    for (const ControlSpec &c : entry.controls) {
        if (c.kind == ControlKind::Picture)
            continue;
        QWidget *widget = buildControl(c, page, *m_pictures);
        if (takesFocus(c.kind)) {
            m_order.append({c.tabIndex, c.tabOrderWithin, widget});
            widget->installEventFilter(this); // to pass the focus on when it hides itself
        }
    }
    if (entry.nested)
        buildTabControl(*entry.nested, page);
    if (entry.attach)
        entry.attach(page, m_services);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType())
        passFocusOn(static_cast<QWidget *>(watched));
    if (event->type() == QEvent::Show || event->type() == QEvent::ShowToParent) {
        for (qsizetype i = 0; i < m_pending.size(); ++i) {
            if (m_pending.at(i).page == watched) {
                buildPending(i);
                chainTabOrder();
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::buildPending(qsizetype index) {
    const PendingPage page = m_pending.takeAt(index);
    page.page->removeEventFilter(this);
    buildPage(*page.entry, page.page);
}

void MainWindow::buildAllPages() {
    // Building a page can add the pages of a tab control that lies on it, so go on until none is left.
    while (!m_pending.isEmpty())
        buildPending(0);
    chainTabOrder();
}

bool MainWindow::isPageBuilt(const QString &pageName) const {
    const QWidget *page = findChild<QWidget *>(pageName);
    if (!page)
        return false;
    return std::none_of(m_pending.cbegin(), m_pending.cend(),
                        [page](const PendingPage &pending) { return pending.page == page; });
}

// A control that had the keyboard focus is hiding itself (a handler hides the button that was pressed,
// or the box the user was in): the focus goes where the user goes next on that page, the first control
// of the page in the keyboard order that is still shown, rather than round the window to the tabs.
// Left alone when the control is hidden with its page (the user switched tabs) or the page has nothing
// left to focus.
void MainWindow::passFocusOn(QWidget *control) {
    if (!control->isHidden() || control->window()->focusWidget() != control)
        return;
    for (const Focusable &next : std::as_const(m_order)) {
        QWidget *candidate = next.widget;
        if (candidate != control && candidate->parentWidget() == control->parentWidget() &&
            candidate->isVisible() && candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus)) {
            candidate->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

// The keyboard order follows the tab indexes, over every control built so far.
void MainWindow::chainTabOrder() {
    std::stable_sort(m_order.begin(), m_order.end(), [](const Focusable &a, const Focusable &b) {
        return a.tabIndex != b.tabIndex ? a.tabIndex < b.tabIndex : a.tabOrderWithin < b.tabOrderWithin;
    });
    for (qsizetype i = 1; i < m_order.size(); ++i)
        QWidget::setTabOrder(m_order.at(i - 1).widget, m_order.at(i).widget);
}

} // namespace morvela
