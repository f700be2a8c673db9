// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds when it walks the window: the accessibility tree of every page, read
// through QAccessibleInterface from the page down, as an assistive tool reads it.

#include "support/WindowFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QtTest>

using namespace morvela;
using namespace morvela::test;
using namespace Qt::StringLiterals;

namespace {

struct Node {
    QAccessibleInterface *iface;
    QString path; // the names from the page down, for messages
};

// Every interface below `root`, depth first. Checks on the way that each child knows its parent and its
// place among the parent's children, as a tool that walks up and down relies on.
QList<Node> walk(QAccessibleInterface *root, QStringList *faults) {
    QList<Node> nodes;
    std::function<void(QAccessibleInterface *, const QString &, int)> visit = [&](QAccessibleInterface *iface,
                                                                                  const QString &path,
                                                                                  int depth) {
        if (depth > 20) {
            *faults << path + u": the tree does not end"_s;
            return;
        }
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface *child = iface->child(i);
            if (!child || !child->isValid()) {
                *faults << path + u": child %1 is missing"_s.arg(i);
                continue;
            }
            const QString childPath = path + u" / "_s + child->text(QAccessible::Name);
            if (child->parent() != iface)
                *faults << childPath + u": does not name its parent"_s;
            if (iface->indexOfChild(child) != i)
                *faults << childPath +
                               u": its parent puts it at %1, not %2"_s.arg(iface->indexOfChild(child)).arg(i);
            nodes.append({child, childPath});
            visit(child, childPath, depth + 1);
        }
    };
    visit(root, root->text(QAccessible::Name), 0);
    return nodes;
}

QString controlName(QAccessibleInterface *iface) {
    return iface->object() ? iface->object()->objectName() : QString();
}

bool isText(QAccessible::Role role) {
    return role == QAccessible::StaticText || role == QAccessible::Graphic;
}

const QStringList Pages{u"WelcomePage"_s,    u"SchedulePage"_s,     u"DateQueryPage"_s, u"MailPage"_s,
                        u"StickyNotePage"_s, u"LinearSystemPage"_s, u"QuadraticPage"_s, u"VerbLookupPage"_s,
                        u"RebatePage"_s,     u"HostInfoPage"_s,     u"AboutPage"_s};

// The pictures that carry something to read: the welcome words and the about page's emblem. Every other
// picture only decorates its page.
const QSet<QString> NamedPictures{u"Image1"_s, u"Image12"_s};
const QStringList Decorations{u"Image2"_s, u"Image3"_s, u"Image4"_s, u"wbzt"_s,    u"ybzt"_s,   u"Image6"_s,
                              u"Image7"_s, u"Image8"_s, u"Image9"_s, u"Image10"_s, u"Image11"_s};

} // namespace

class AccessibleTreeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void everyPageReadsWell_data();
    void everyPageReadsWell();
    void boxesSayWhatTheyHold_data();
    void boxesSayWhatTheyHold();
    void theWindowIsAFrameNamedMorvela();
    void theStatusBarHasNoEmptyText();
    void aResultLabelIsReadOnceItHasText();

private:
    std::unique_ptr<WindowFixture> m_f;
};

void AccessibleTreeTest::init() {
    m_f = std::make_unique<WindowFixture>();
    m_f->window.buildAllPages();
    m_f->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_f->window));
}

void AccessibleTreeTest::cleanup() {
    m_f.reset();
}

void AccessibleTreeTest::everyPageReadsWell_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("revealed"); // the schedule grid shown, a note on the note page
    for (const QString &page : Pages)
        QTest::newRow(qPrintable(page)) << page << false;
    QTest::newRow("SchedulePage, grid shown") << u"SchedulePage"_s << true;
    QTest::newRow("StickyNotePage, note shown") << u"StickyNotePage"_s << true;
}

// On every page: each control has a role; every text and picture that is read has a name (no empty
// label, no unnamed picture); the controls that take the focus have names, distinct on their page, and
// none repeats its name as its description; the pictures that only decorate are not there at all.
void AccessibleTreeTest::everyPageReadsWell() {
    QFETCH(QString, page);
    QFETCH(bool, revealed);
    WindowFixture &f = *m_f;
    QVERIFY(f.selectPage(page));
    if (revealed) {
        f.platform.dialogs.answer(DialogAnswer::Ok);
        if (page == u"SchedulePage"_s)
            f.find<QPushButton>("ks")->click();
        else
            f.find<QPushButton>("qhbzt")->click();
    }
    QCoreApplication::processEvents();

    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(f.find(page));
    QVERIFY(root);
    QStringList faults;
    const QList<Node> nodes = walk(root, &faults);
    QVERIFY2(!nodes.isEmpty(), "the page shows nothing to assistive tools");

    QHash<QString, QString> focusableNames; // name -> the control that has it
    int shownControls = 0;
    for (const Node &node : nodes) {
        QAccessibleInterface *iface = node.iface;
        const QString name = iface->text(QAccessible::Name);
        const QString who = controlName(iface) + u" ("_s + node.path + u")"_s;
        if (iface->role() == QAccessible::NoRole)
            faults << who + u": no role"_s;
        if (isText(iface->role()) && name.trimmed().isEmpty())
            faults << who + u": a text or picture with nothing to read"_s;
        if (iface->role() == QAccessible::Graphic && !NamedPictures.contains(controlName(iface)))
            faults << who + u": a decoration is announced"_s;
        if (Decorations.contains(controlName(iface)))
            faults << who + u": a decoration is in the tree"_s;
        const QAccessible::State state = iface->state();
        if (state.focusable && !state.invisible) {
            ++shownControls;
            if (name.trimmed().isEmpty())
                faults << who + u": takes the focus but has no name"_s;
            else if (focusableNames.contains(name))
                faults << who + u": the same name as "_s + focusableNames.value(name);
            else
                focusableNames.insert(name, controlName(iface));
            const QString description = iface->text(QAccessible::Description);
            if (!description.isEmpty() && description == name)
                faults << who + u": repeats its name as its description"_s;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

    // Every control of the page that the user can reach is in the tree.
    int reachable = 0;
    for (QWidget *w : f.find(page)->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
            ++reachable;
    if (page != u"WelcomePage"_s && page != u"AboutPage"_s)
        QCOMPARE(shownControls, reachable);
}

void AccessibleTreeTest::boxesSayWhatTheyHold_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    // Which equation each box of the linear system belongs to, and what goes in it; its tooltip stays
    // the hint.
    QTest::newRow("a") << u"a"_s << u"第一个方程：x的系数"_s << u"请输入x的系数"_s;
    QTest::newRow("b") << u"b"_s << u"第一个方程：y的系数"_s << u"请输入y的系数"_s;
    QTest::newRow("m") << u"m"_s << u"第一个方程：得数"_s << u"请输入方程①的得数"_s;
    QTest::newRow("c") << u"c"_s << u"第二个方程：x的系数"_s << u"请输入x的系数"_s;
    QTest::newRow("d") << u"d"_s << u"第二个方程：y的系数"_s << u"请输入y的系数"_s;
    QTest::newRow("n") << u"n"_s << u"第二个方程：得数"_s << u"请输入方程②的得数"_s;
    QTest::newRow("e") << u"e"_s << u"x二次项的系数"_s << u"请输入x二次项的系数"_s;
    QTest::newRow("f") << u"f"_s << u"x一次项的系数"_s << u"请输入x一次项的系数"_s;
    QTest::newRow("z") << u"z"_s << u"方程的得数"_s << u"请输入方程的得数"_s;
    // The converter's result reads as the sentence it stands in.
    QTest::newRow("zhe") << u"zhe"_s << u"相当于打…折"_s << QString();
    QTest::newRow("emblem") << u"Image12"_s << u"日历徽标"_s << QString();
    QTest::newRow("welcome words") << u"Image1"_s << u"欢迎使用"_s << QString();
}

void AccessibleTreeTest::boxesSayWhatTheyHold() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(m_f->find(control));
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
}

void AccessibleTreeTest::theWindowIsAFrameNamedMorvela() {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&m_f->window);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Window);
    QCOMPARE(iface->text(QAccessible::Name), u"Morvela"_s);
    // The window holds the tab controls and the status bar, and the walk from it reaches every page.
    QStringList faults;
    QSet<QString> reached;
    for (const Node &node : walk(iface, &faults))
        reached.insert(controlName(node.iface));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    for (const QString &page : Pages)
        QVERIFY2(reached.contains(page), qPrintable(page));
    for (const QString &decoration : Decorations)
        QVERIFY2(!reached.contains(decoration), qPrintable(decoration));
}

// The empty fifth panel of the status bar is not read as an empty text.
void AccessibleTreeTest::theStatusBarHasNoEmptyText() {
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(m_f->find("StatusBar1"));
    QVERIFY(bar);
    QStringList faults;
    QStringList texts;
    for (const Node &node : walk(bar, &faults)) {
        texts << node.iface->text(QAccessible::Name);
        if (node.iface->text(QAccessible::Name).trimmed().isEmpty())
            faults << controlName(node.iface) + u": nothing to read"_s;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QCOMPARE(texts.size(), 4);
    QCOMPARE(texts.first(), u"   软件开发：  莫薇拉"_s);
}

// A result label is out of the tree while empty and in it, with its text, once a result is shown.
void AccessibleTreeTest::aResultLabelIsReadOnceItHasText() {
    QVERIFY(m_f->selectPage(u"LinearSystemPage"_s));
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(m_f->find("LinearSystemPage"));
    auto *xgen = m_f->find<QLabel>("xgen");
    const auto names = [page] {
        QStringList faults, out;
        for (const Node &node : walk(page, &faults))
            out << controlName(node.iface);
        return out;
    };
    QVERIFY(!names().contains(u"xgen"_s));
    xgen->setText(u"2"_s);
    QVERIFY(names().contains(u"xgen"_s));
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(xgen);
    QCOMPARE(iface->text(QAccessible::Name), u"2"_s);
    QCOMPARE(iface->parent(), page);
    QVERIFY(page->indexOfChild(iface) >= 0);
}

QTEST_MAIN(AccessibleTreeTest)
#include "tst_accessibletree.moc"
