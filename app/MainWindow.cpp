#include "app/MainWindow.h"

#include "app/ControlInventory.h"
#include "app/Fonts.h"
#include "app/PictureLabel.h"
#include "app/StatusBar.h"
#include "app/TabControl.h"
#include "common/AppTexts.h"
#include "dates/DateQueryHandlers.h"
#include "hostinfo/HostInfoHandlers.h"
#include "note/NoteHandlers.h"
#include "platform/Services.h"
#include "rebate/RebateHandlers.h"
#include "schedule/ScheduleHandlers.h"
#include "solvers/LinearSystemHandlers.h"
#include "solvers/QuadraticHandlers.h"
#include "verbs/VerbSearchHandlers.h"
#include "webmail/MailHandlers.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

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

QWidget *buildControl(const ControlSpec &spec, QWidget *page, PictureStore &pictures) {
    QWidget *widget = nullptr;
    switch (spec.kind) {
    case ControlKind::Button: {
        auto *button = new QPushButton(spec.text, page);
        // Enter presses the focused button, as Space does (outside a dialog Qt leaves Enter unanswered).
        button->setAutoDefault(true);
        widget = button;
        break;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(page);
        box->setText(spec.text);
        box->setCursorPosition(0);
        widget = box;
        break;
    }
    case ControlKind::MultiLineTextBox: {
        auto *box = new QPlainTextEdit(page);
        box->setPlainText(spec.text);
        widget = box;
        break;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(page);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(false);
        label->setText(spec.text);
        widget = label;
        break;
    }
    case ControlKind::Picture:
        widget = new PictureLabel(pictures, spec.picture, page);
        break;
    }
    widget->setObjectName(spec.name);
    widget->setGeometry(pixelRect(spec.left, spec.top, spec.width, spec.height));
    const FontSpec standard = defaultFont();
    if (spec.kind != ControlKind::Picture &&
        (spec.font.family != standard.family || spec.font.points != standard.points || spec.font.bold))
        widget->setFont(fontFor(spec.font));
    if (!spec.tooltip.isEmpty())
        widget->setToolTip(spec.tooltip);
    if (!spec.accessibleName.isEmpty())
        widget->setAccessibleName(spec.accessibleName);
    applyColours(widget, spec.colours);
    if (!spec.shown)
        widget->setVisible(false);
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
    setWindowTitle(AppTitle);
    setWindowIcon(QIcon(u":/icons/morvela.png"_s));
    setFont(fontFor(defaultFont()));
    setFixedSize(pixels(WindowWidthTwips), pixels(WindowHeightTwips));

    m_pictures = new PictureStore(this);
    QList<Focusable> order;
    buildTabControl(outerTabControl(), this, order);

    // The status bar lies over the bottom edge of the outer tab control.
    const StatusBarSpec &bar = statusBarSpec();
    QList<int> widths;
    for (int twips : bar.panelWidths)
        widths.append(pixels(twips));
    m_statusBar =
        new StatusBar(services.clock, widths, pixelRect(bar.left, bar.top, bar.width, bar.height), this);
    m_statusBar->setObjectName(bar.name);
    m_statusBar->raise();

    // The keyboard order follows the tab indexes.
    std::stable_sort(order.begin(), order.end(),
                     [](const Focusable &a, const Focusable &b) { return a.tabIndex < b.tabIndex; });
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1).widget, order.at(i).widget);

    if (const QScreen *screen = this->screen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));

    // The pages' handlers, each wired to its own buttons.
    new ScheduleHandlers(this, services);
    new NoteHandlers(this, services);
    new DateQueryHandlers(this, services);
    new MailHandlers(this, services);
    new LinearSystemHandlers(this, services);
    new QuadraticHandlers(this, services);
    new VerbSearchHandlers(this, services);
    new RebateHandlers(this, services);
    new HostInfoHandlers(this, services);
}

TabControl *MainWindow::buildTabControl(const TabControlSpec &spec, QWidget *container,
                                        QList<Focusable> &order) {
    auto *tabs = new TabControl(pixelRect(spec.left, spec.top, spec.width, spec.height), container);
    tabs->setObjectName(spec.name);
    order.append({spec.tabIndex, tabs});
    for (const PageSpec &pageSpec : spec.pages) {
        QWidget *page = tabs->addPage(pageSpec.caption, pageSpec.name);
        // Pictures first, so that they lie beneath every other control of their page.
        for (const ControlSpec &c : pageSpec.controls) {
            if (c.kind == ControlKind::Picture)
                buildControl(c, page, *m_pictures);
        }
        for (const ControlSpec &c : pageSpec.controls) {
            if (c.kind == ControlKind::Picture)
                continue;
            QWidget *widget = buildControl(c, page, *m_pictures);
            if (takesFocus(c.kind))
                order.append({c.tabIndex, widget});
        }
        if (pageSpec.nested)
            buildTabControl(*pageSpec.nested, page, order);
    }
    tabs->setCurrentIndex(0);
    return tabs;
}

} // namespace morvela
