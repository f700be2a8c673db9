#include "app/MainWindow.h"
#include "platform/fakes/FakePlatform.h"
#include "support/UserActions.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace morvela;
using morvela::test::bringUp;
using morvela::test::type;

namespace {

QStringList texts(std::initializer_list<const char *> list) {
    QStringList out;
    for (const char *text : list)
        out << QString::fromUtf8(text);
    return out;
}

void click(QPushButton *button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class SolverPagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void linearSolves_data();
    void linearSolves();
    void linearKeepsItsResultsWhenThereIsNoSolution();
    void linearClearCancelled_data();
    void linearClearCancelled();
    void linearClearConfirmed();

    void quadraticSolves_data();
    void quadraticSolves();
    void quadraticWarnsWhenThereIsNoRealRoot();
    void quadraticReplacesTheRootsOfTheEquationBefore();
    void quadraticKeepsItsRootsWhenAStepFails();
    void quadraticClearCancelled();
    void quadraticClearConfirmed();

private:
    template <class T> T *find(const char *name) {
        T *found = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *box(const char *name) { return find<QLineEdit>(name); }
    QLabel *label(const char *name) { return find<QLabel>(name); }
    QPushButton *button(const char *name) { return find<QPushButton>(name); }
    void fillLinear(const QStringList &abmcdn);
    void fillQuadratic(const QString &e, const QString &f, const QString &z);

    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<MainWindow> m_window;
};

void SolverPagesTest::init() {
    m_platform = std::make_unique<FakePlatform>();
    m_window = std::make_unique<MainWindow>(m_platform->services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void SolverPagesTest::cleanup() {
    m_window.reset();
    m_platform.reset();
}

void SolverPagesTest::fillLinear(const QStringList &abmcdn) {
    bringUp(find<QWidget>("LinearSystemPage"));
    const char *names[] = {"a", "b", "m", "c", "d", "n"};
    for (int i = 0; i < 6; ++i)
        type(box(names[i]), abmcdn.at(i));
}

void SolverPagesTest::fillQuadratic(const QString &e, const QString &f, const QString &z) {
    bringUp(find<QWidget>("QuadraticPage"));
    type(box("e"), e);
    type(box("f"), f);
    type(box("z"), z);
}

// ---------------------------------------------------------------------------------------------------------
// Linear system

void SolverPagesTest::linearSolves_data() {
    QTest::addColumn<QStringList>("abmcdn");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");

    const auto row = [](const char *name, std::initializer_list<const char *> boxes, const char *x,
                        const char *y) {
        QTest::newRow(name) << texts(boxes) << QString::fromUtf8(x) << QString::fromUtf8(y);
    };
    row("x+y=3, x-y=1", {"1", "1", "3", "1", "-1", "1"}, "2", "1");
    row("2x+3y=8, x-y=-1", {"2", "3", "8", "1", "-1", "-1"}, "1", "2");
    row("thirds", {"3", "0", "1", "0", "3", "2"}, "0.333333333333333", "0.666666666666667");
    row("tenths", {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6"}, "-1", "2");
    row("negative zero shown as 0", {"1", "0", "0", "0", "1", "0"}, "0", "0");
    // Lenient reading: the leading number of a box, or 0.
    row("2abc counts as 2", {"2abc", "3", "8", "1", "-1", "-1"}, "1", "2");
    row("1,5 counts as 1", {"1,5", "1", "3", "1", "-1", "1"}, "2", "1");
    row("blank 1 blank 2 counts as 12", {" 1 2", "0", "12", "0", "1", "5"}, "1", "5");
    row("abc and empty count as 0", {"1", "abc", "3", "", "1", "4"}, "3", "4");
    row("100元 counts as 100", {"100元", "0", "200", "0", "1", "1"}, "2", "1");
    row("exponent and radix", {"1e2", "0", "&HC8", "0", "&O10", "4"}, "2", "0.5");
    row("full-width", {"１", "１", "３", "１", "－１", "１"}, "2", "1");
    row("full-width point and exponent", {"０．１", "０．２", "０．３", "４Ｅ－１", "\u3000０．５", "０．６"},
        "-1", "2");
    // No solution: the labels keep their (empty) captions.
    row("dependent", {"1", "2", "3", "2", "4", "6"}, "", "");
    row("untouched page", {"", "", "", "", "", ""}, "", "");
    row("a box that overflows", {"1e999", "1", "1", "1", "-1", "1"}, "", "");
    row("overflowing arithmetic", {"1", "1e200", "1", "1e200", "1", "1"}, "", "");
}

void SolverPagesTest::linearSolves() {
    QFETCH(QStringList, abmcdn);
    QFETCH(QString, x);
    QFETCH(QString, y);
    fillLinear(abmcdn);
    click(button("Command22"));
    QCOMPARE(label("xgen")->text(), x);
    QCOMPARE(label("ygen")->text(), y);
    QVERIFY(m_platform->dialogs.shown().isEmpty());
    // The boxes keep what was typed.
    QCOMPARE(box("a")->text(), abmcdn.at(0));
}

void SolverPagesTest::linearKeepsItsResultsWhenThereIsNoSolution() {
    fillLinear(texts({"1", "1", "3", "1", "-1", "1"}));
    click(button("Command22"));
    QCOMPARE(label("xgen")->text(), QStringLiteral("2"));
    QCOMPARE(label("ygen")->text(), QStringLiteral("1"));

    // A singular system, then an overflowing one, then all boxes unreadable: the old results stay.
    fillLinear(texts({"1", "2", "3", "2", "4", "6"}));
    QCOMPARE(label("xgen")->text(), QStringLiteral("2")); // editing does not clear either
    click(button("Command22"));
    fillLinear(texts({"1e999", "1", "1", "1", "-1", "1"}));
    click(button("Command22"));
    fillLinear(texts({"x", "y", "z", "", "", ""}));
    click(button("Command22"));
    QCOMPARE(label("xgen")->text(), QStringLiteral("2"));
    QCOMPARE(label("ygen")->text(), QStringLiteral("1"));

    // Every press starts afresh: a solvable system replaces both.
    fillLinear(texts({"2", "3", "8", "1", "-1", "-1"}));
    click(button("Command22"));
    QCOMPARE(label("xgen")->text(), QStringLiteral("1"));
    QCOMPARE(label("ygen")->text(), QStringLiteral("2"));
    QVERIFY(m_platform->dialogs.shown().isEmpty());
}

void SolverPagesTest::linearClearCancelled_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("Cancel") << DialogAnswer::Cancel;
    QTest::newRow("closed") << DialogAnswer::NoAnswer;
}

void SolverPagesTest::linearClearCancelled() {
    QFETCH(DialogAnswer, answer);
    fillLinear(texts({"1", "1", "3", "1", "-1", "1"}));
    click(button("Command22"));
    m_platform->dialogs.answer(answer);
    click(button("Command23"));

    QCOMPARE(m_platform->dialogs.shown().size(), 1);
    const FakeDialogs::Shown &asked = m_platform->dialogs.shown().first();
    QCOMPARE(asked.kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(asked.prompt, QStringLiteral("您确定要清空数据吗？"));
    QCOMPARE(asked.form, ConfirmForm::OkCancel);
    const QStringList expected = texts({"1", "1", "3", "1", "-1", "1"});
    const char *names[] = {"a", "b", "m", "c", "d", "n"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(box(names[i])->text(), expected.at(i));
    QCOMPARE(label("xgen")->text(), QStringLiteral("2"));
    QCOMPARE(label("ygen")->text(), QStringLiteral("1"));
}

void SolverPagesTest::linearClearConfirmed() {
    fillLinear(texts({"1", "1", "3", "1", "-1", "1"}));
    click(button("Command22"));
    QStringList emptied;
    for (const char *name : {"a", "b", "m", "c", "d", "n"}) {
        QLineEdit *b = box(name);
        connect(b, &QLineEdit::textChanged, this, [&emptied, b] { emptied << b->objectName(); });
    }
    m_platform->dialogs.answer(DialogAnswer::Ok);
    click(button("Command23"));

    QCOMPARE(emptied, texts({"a", "b", "c", "d", "m", "n"}));
    for (const char *name : {"a", "b", "m", "c", "d", "n"})
        QVERIFY(box(name)->text().isEmpty());
    QVERIFY(label("xgen")->text().isEmpty());
    QVERIFY(label("ygen")->text().isEmpty());
    QCOMPARE(m_platform->dialogs.shown().size(), 1);
}

// ---------------------------------------------------------------------------------------------------------
// Quadratic equation

void SolverPagesTest::quadraticSolves_data() {
    QTest::addColumn<QString>("e");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("z");
    QTest::addColumn<QString>("x1");
    QTest::addColumn<QString>("x2");

    const auto row = [](const char *name, const char *e, const char *f, const char *z, const char *x1,
                        const char *x2) {
        QTest::newRow(name) << QString::fromUtf8(e) << QString::fromUtf8(f) << QString::fromUtf8(z)
                            << QString::fromUtf8(x1) << QString::fromUtf8(x2);
    };
    row("x²-3x+2=0", "1", "-3", "-2", "2", "1");
    row("x²+2x=3", "1", "2", "3", "1", "-3");
    row("2x²+x=1", "2", "1", "1", "0.5", "-1");
    row("square root of 2", "1", "0", "2", "1.4142135623731", "-1.4142135623731");
    row("golden ratio", "1", "1", "1", "0.618033988749895", "-1.61803398874989");
    row("D = 0", "1", "2", "-1", "-1", "-1");
    row("negative zero shown as 0", "-1", "0", "0", "0", "0");
    row("blanks around", " 1 ", " -3", "-2 ", "2", "1");
    row("full-width", "１", "－３", "－２", "2", "1");
    row("full-width point, exponent and spaces", "\u3000２\u3000", "１Ｅ０", "１．０", "0.5", "-1");
    // Strict reading: a box that is not exactly one number makes the roots fail.
    row("2abc", "2abc", "1", "1", "", "");
    row("1,5", "1", "1,5", "1", "", "");
    row("blank 1 blank 2", " 1 2", "1", "1", "", "");
    row("100元", "1", "2", "100元", "", "");
    row("z empty", "1", "2", "", "", "");
    row("e = 0", "0", "2", "3", "", "");
    row("all empty", "", "", "", "", "");
    // Roots right to the 15 digits shown, however large or small the numbers on the way.
    row("f² much larger than 4·e·z", "1", "1e8", "1", "1E-08", "-100000000");
    row("tiny e", "1e-300", "1", "1", "1", "-1E+300");
    row("f² and 4·e·z overflow", "1e200", "1e200", "1e200", "0.618033988749895", "-1.61803398874989");
}

void SolverPagesTest::quadraticSolves() {
    QFETCH(QString, e);
    QFETCH(QString, f);
    QFETCH(QString, z);
    QFETCH(QString, x1);
    QFETCH(QString, x2);
    fillQuadratic(e, f, z);
    click(button("Command25"));
    QCOMPARE(label("x1gen")->text(), x1);
    QCOMPARE(label("x2gen")->text(), x2);
    QVERIFY(m_platform->dialogs.shown().isEmpty());
    QVERIFY(label("x1fgen")->text().isEmpty());
    QVERIFY(label("x2fgen")->text().isEmpty());
}

void SolverPagesTest::quadraticWarnsWhenThereIsNoRealRoot() {
    fillQuadratic(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("-2"));
    click(button("Command25"));
    fillQuadratic(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-1"));
    click(button("Command25"));

    QCOMPARE(m_platform->dialogs.shown().size(), 1);
    const FakeDialogs::Shown &told = m_platform->dialogs.shown().first();
    QCOMPARE(told.kind, FakeDialogs::Kind::Info);
    QCOMPARE(told.prompt, QStringLiteral("此方程无实数解！"));
    QCOMPARE(told.icon, InfoIcon::Information);
    QCOMPARE(label("x1gen")->text(), QStringLiteral("2"));
    QCOMPARE(label("x2gen")->text(), QStringLiteral("1"));
}

void SolverPagesTest::quadraticReplacesTheRootsOfTheEquationBefore() {
    fillQuadratic(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("-2"));
    click(button("Command25"));
    QCOMPARE(label("x1gen")->text(), QStringLiteral("2"));
    // f² and 4·e·z are beyond the largest double; the roots are those of x² + x = 1.
    fillQuadratic(QStringLiteral("1e200"), QStringLiteral("1e200"), QStringLiteral("1e200"));
    click(button("Command25"));
    QCOMPARE(label("x1gen")->text(), QStringLiteral("0.618033988749895"));
    QCOMPARE(label("x2gen")->text(), QStringLiteral("-1.61803398874989"));
    QVERIFY(m_platform->dialogs.shown().isEmpty());
}

void SolverPagesTest::quadraticKeepsItsRootsWhenAStepFails() {
    fillQuadratic(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    click(button("Command25"));
    QCOMPARE(label("x1gen")->text(), QStringLiteral("1"));
    QCOMPARE(label("x2gen")->text(), QStringLiteral("-3"));

    // e = 0, then z unreadable, then e unreadable: no message, the roots stay.
    const QStringList failing[] = {texts({"0", "2", "3"}), texts({"1", "2", ""}), texts({"1", "2", "abc"}),
                                   texts({"x", "2", "3"})};
    for (const QStringList &texts : failing) {
        fillQuadratic(texts.at(0), texts.at(1), texts.at(2));
        click(button("Command25"));
        QCOMPARE(label("x1gen")->text(), QStringLiteral("1"));
        QCOMPARE(label("x2gen")->text(), QStringLiteral("-3"));
    }
    QVERIFY(m_platform->dialogs.shown().isEmpty());
}

void SolverPagesTest::quadraticClearCancelled() {
    fillQuadratic(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("-2"));
    click(button("Command25"));
    m_platform->dialogs.answer(DialogAnswer::Cancel);
    click(button("Command24"));

    QCOMPARE(m_platform->dialogs.prompts(), QStringList{QStringLiteral("您确定要清空数据吗？")});
    QCOMPARE(m_platform->dialogs.shown().first().form, ConfirmForm::OkCancel);
    QCOMPARE(box("e")->text(), QStringLiteral("1"));
    QCOMPARE(box("f")->text(), QStringLiteral("-3"));
    QCOMPARE(box("z")->text(), QStringLiteral("-2"));
    QCOMPARE(label("x1gen")->text(), QStringLiteral("2"));
    QCOMPARE(label("x2gen")->text(), QStringLiteral("1"));
}

void SolverPagesTest::quadraticClearConfirmed() {
    fillQuadratic(QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("-2"));
    click(button("Command25"));
    // The two spare labels are never written; a mark in them shows that clearing leaves them alone.
    label("x1fgen")->setText(QStringLiteral("mark 1"));
    label("x2fgen")->setText(QStringLiteral("mark 2"));
    QStringList emptied;
    for (const char *name : {"e", "f", "z"}) {
        QLineEdit *b = box(name);
        connect(b, &QLineEdit::textChanged, this, [&emptied, b] { emptied << b->objectName(); });
    }
    m_platform->dialogs.answer(DialogAnswer::Ok);
    click(button("Command24"));

    QCOMPARE(emptied, texts({"e", "f", "z"}));
    QVERIFY(box("e")->text().isEmpty());
    QVERIFY(box("f")->text().isEmpty());
    QVERIFY(box("z")->text().isEmpty());
    QVERIFY(label("x1gen")->text().isEmpty());
    QVERIFY(label("x2gen")->text().isEmpty());
    QCOMPARE(label("x1fgen")->text(), QStringLiteral("mark 1"));
    QCOMPARE(label("x2fgen")->text(), QStringLiteral("mark 2"));
}

QTEST_MAIN(SolverPagesTest)
#include "tst_solverpages.moc"
