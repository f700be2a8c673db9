// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvers/LinearSystemPage.h"
#include "solvers/QuadraticPage.h"
#include "support/WindowFixture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace morvela;
using namespace Qt::StringLiterals;
using morvela::test::WindowFixture;
namespace linear = morvela::linearsystempage;
namespace quadratic = morvela::quadraticpage;

namespace {

QStringList texts(std::initializer_list<const char *> list) {
    QStringList out;
    for (const char *text : list)
        out << QString::fromUtf8(text);
    return out;
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
    QLineEdit *box(QLatin1String name) { return m_fixture->control<QLineEdit>(name); }
    QLabel *label(QLatin1String name) { return m_fixture->control<QLabel>(name); }
    void fillLinear(const QStringList &abmcdn);
    void fillQuadratic(const QString &e, const QString &f, const QString &z);

    std::unique_ptr<WindowFixture> m_fixture;
};

void SolverPagesTest::init() {
    m_fixture = std::make_unique<WindowFixture>();
    m_fixture->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_fixture->window));
}

void SolverPagesTest::cleanup() {
    m_fixture.reset();
}

void SolverPagesTest::fillLinear(const QStringList &abmcdn) {
    QVERIFY(m_fixture->selectPage(linear::Page));
    const QLatin1String names[] = {linear::A, linear::B, linear::M, linear::C, linear::D, linear::N};
    for (int i = 0; i < 6; ++i)
        m_fixture->type(names[i], abmcdn.at(i));
}

void SolverPagesTest::fillQuadratic(const QString &e, const QString &f, const QString &z) {
    QVERIFY(m_fixture->selectPage(quadratic::Page));
    m_fixture->type(quadratic::E, e);
    m_fixture->type(quadratic::F, f);
    m_fixture->type(quadratic::Z, z);
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
    m_fixture->press(linear::SolveButton);
    QCOMPARE(label(linear::XResult)->text(), x);
    QCOMPARE(label(linear::YResult)->text(), y);
    QVERIFY(m_fixture->platform.dialogs.shown().isEmpty());
    // The boxes keep what was typed.
    QCOMPARE(box(linear::A)->text(), abmcdn.at(0));
}

void SolverPagesTest::linearKeepsItsResultsWhenThereIsNoSolution() {
    fillLinear(texts({"1", "1", "3", "1", "-1", "1"}));
    m_fixture->press(linear::SolveButton);
    QCOMPARE(label(linear::XResult)->text(), u"2"_s);
    QCOMPARE(label(linear::YResult)->text(), u"1"_s);

    // A singular system, then an overflowing one, then all boxes unreadable: the old results stay.
    fillLinear(texts({"1", "2", "3", "2", "4", "6"}));
    QCOMPARE(label(linear::XResult)->text(), u"2"_s); // editing does not clear either
    m_fixture->press(linear::SolveButton);
    fillLinear(texts({"1e999", "1", "1", "1", "-1", "1"}));
    m_fixture->press(linear::SolveButton);
    fillLinear(texts({"x", "y", "z", "", "", ""}));
    m_fixture->press(linear::SolveButton);
    QCOMPARE(label(linear::XResult)->text(), u"2"_s);
    QCOMPARE(label(linear::YResult)->text(), u"1"_s);

    // Every press starts afresh: a solvable system replaces both.
    fillLinear(texts({"2", "3", "8", "1", "-1", "-1"}));
    m_fixture->press(linear::SolveButton);
    QCOMPARE(label(linear::XResult)->text(), u"1"_s);
    QCOMPARE(label(linear::YResult)->text(), u"2"_s);
    QVERIFY(m_fixture->platform.dialogs.shown().isEmpty());
}

void SolverPagesTest::linearClearCancelled_data() {
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("Cancel") << DialogAnswer::Cancel;
    QTest::newRow("closed") << DialogAnswer::NoAnswer;
}

void SolverPagesTest::linearClearCancelled() {
    QFETCH(DialogAnswer, answer);
    fillLinear(texts({"1", "1", "3", "1", "-1", "1"}));
    m_fixture->press(linear::SolveButton);
    m_fixture->platform.dialogs.answer(answer);
    m_fixture->press(linear::ClearButton);

    QCOMPARE(m_fixture->platform.dialogs.shown().size(), 1);
    const FakeDialogs::Shown &asked = m_fixture->platform.dialogs.shown().first();
    QCOMPARE(asked.kind, FakeDialogs::Kind::Confirm);
    QCOMPARE(asked.prompt, u"您确定要清空数据吗？"_s);
    QCOMPARE(asked.form, ConfirmForm::OkCancel);
    const QStringList expected = texts({"1", "1", "3", "1", "-1", "1"});
    const QLatin1String names[] = {linear::A, linear::B, linear::M, linear::C, linear::D, linear::N};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(box(names[i])->text(), expected.at(i));
    QCOMPARE(label(linear::XResult)->text(), u"2"_s);
    QCOMPARE(label(linear::YResult)->text(), u"1"_s);
}

void SolverPagesTest::linearClearConfirmed() {
    fillLinear(texts({"1", "1", "3", "1", "-1", "1"}));
    m_fixture->press(linear::SolveButton);
    QStringList emptied;
    for (QLatin1String name : {linear::A, linear::B, linear::M, linear::C, linear::D, linear::N}) {
        QLineEdit *b = box(name);
        connect(b, &QLineEdit::textChanged, this, [&emptied, b] { emptied << b->objectName(); });
    }
    m_fixture->platform.dialogs.answer(DialogAnswer::Ok);
    m_fixture->press(linear::ClearButton);

    QCOMPARE(emptied, texts({"a", "b", "c", "d", "m", "n"}));
    for (QLatin1String name : {linear::A, linear::B, linear::M, linear::C, linear::D, linear::N})
        QVERIFY(box(name)->text().isEmpty());
    QVERIFY(label(linear::XResult)->text().isEmpty());
    QVERIFY(label(linear::YResult)->text().isEmpty());
    QCOMPARE(m_fixture->platform.dialogs.shown().size(), 1);
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
    m_fixture->press(quadratic::SolveButton);
    QCOMPARE(label(quadratic::X1Result)->text(), x1);
    QCOMPARE(label(quadratic::X2Result)->text(), x2);
    QVERIFY(m_fixture->platform.dialogs.shown().isEmpty());
    QVERIFY(label(quadratic::X1Spare)->text().isEmpty());
    QVERIFY(label(quadratic::X2Spare)->text().isEmpty());
}

void SolverPagesTest::quadraticWarnsWhenThereIsNoRealRoot() {
    fillQuadratic(u"1"_s, u"-3"_s, u"-2"_s);
    m_fixture->press(quadratic::SolveButton);
    fillQuadratic(u"1"_s, u"0"_s, u"-1"_s);
    m_fixture->press(quadratic::SolveButton);

    QCOMPARE(m_fixture->platform.dialogs.shown().size(), 1);
    const FakeDialogs::Shown &told = m_fixture->platform.dialogs.shown().first();
    QCOMPARE(told.kind, FakeDialogs::Kind::Info);
    QCOMPARE(told.prompt, u"此方程无实数解！"_s);
    QCOMPARE(told.icon, InfoIcon::Information);
    QCOMPARE(label(quadratic::X1Result)->text(), u"2"_s);
    QCOMPARE(label(quadratic::X2Result)->text(), u"1"_s);
}

void SolverPagesTest::quadraticReplacesTheRootsOfTheEquationBefore() {
    fillQuadratic(u"1"_s, u"-3"_s, u"-2"_s);
    m_fixture->press(quadratic::SolveButton);
    QCOMPARE(label(quadratic::X1Result)->text(), u"2"_s);
    // f² and 4·e·z are beyond the largest double; the roots are those of x² + x = 1.
    fillQuadratic(u"1e200"_s, u"1e200"_s, u"1e200"_s);
    m_fixture->press(quadratic::SolveButton);
    QCOMPARE(label(quadratic::X1Result)->text(), u"0.618033988749895"_s);
    QCOMPARE(label(quadratic::X2Result)->text(), u"-1.61803398874989"_s);
    QVERIFY(m_fixture->platform.dialogs.shown().isEmpty());
}

void SolverPagesTest::quadraticKeepsItsRootsWhenAStepFails() {
    fillQuadratic(u"1"_s, u"2"_s, u"3"_s);
    m_fixture->press(quadratic::SolveButton);
    QCOMPARE(label(quadratic::X1Result)->text(), u"1"_s);
    QCOMPARE(label(quadratic::X2Result)->text(), u"-3"_s);

    // e = 0, then z unreadable, then e unreadable: no message, the roots stay.
    const QStringList failing[] = {texts({"0", "2", "3"}), texts({"1", "2", ""}), texts({"1", "2", "abc"}),
                                   texts({"x", "2", "3"})};
    for (const QStringList &texts : failing) {
        fillQuadratic(texts.at(0), texts.at(1), texts.at(2));
        m_fixture->press(quadratic::SolveButton);
        QCOMPARE(label(quadratic::X1Result)->text(), u"1"_s);
        QCOMPARE(label(quadratic::X2Result)->text(), u"-3"_s);
    }
    QVERIFY(m_fixture->platform.dialogs.shown().isEmpty());
}

void SolverPagesTest::quadraticClearCancelled() {
    fillQuadratic(u"1"_s, u"-3"_s, u"-2"_s);
    m_fixture->press(quadratic::SolveButton);
    m_fixture->platform.dialogs.answer(DialogAnswer::Cancel);
    m_fixture->press(quadratic::ClearButton);

    QCOMPARE(m_fixture->platform.dialogs.prompts(), QStringList{u"您确定要清空数据吗？"_s});
    QCOMPARE(m_fixture->platform.dialogs.shown().first().form, ConfirmForm::OkCancel);
    QCOMPARE(box(quadratic::E)->text(), u"1"_s);
    QCOMPARE(box(quadratic::F)->text(), u"-3"_s);
    QCOMPARE(box(quadratic::Z)->text(), u"-2"_s);
    QCOMPARE(label(quadratic::X1Result)->text(), u"2"_s);
    QCOMPARE(label(quadratic::X2Result)->text(), u"1"_s);
}

void SolverPagesTest::quadraticClearConfirmed() {
    fillQuadratic(u"1"_s, u"-3"_s, u"-2"_s);
    m_fixture->press(quadratic::SolveButton);
    // The two spare labels are never written; a mark in them shows that clearing leaves them alone.
    label(quadratic::X1Spare)->setText(u"mark 1"_s);
    label(quadratic::X2Spare)->setText(u"mark 2"_s);
    QStringList emptied;
    for (QLatin1String name : {quadratic::E, quadratic::F, quadratic::Z}) {
        QLineEdit *b = box(name);
        connect(b, &QLineEdit::textChanged, this, [&emptied, b] { emptied << b->objectName(); });
    }
    m_fixture->platform.dialogs.answer(DialogAnswer::Ok);
    m_fixture->press(quadratic::ClearButton);

    QCOMPARE(emptied, texts({"e", "f", "z"}));
    QVERIFY(box(quadratic::E)->text().isEmpty());
    QVERIFY(box(quadratic::F)->text().isEmpty());
    QVERIFY(box(quadratic::Z)->text().isEmpty());
    QVERIFY(label(quadratic::X1Result)->text().isEmpty());
    QVERIFY(label(quadratic::X2Result)->text().isEmpty());
    QCOMPARE(label(quadratic::X1Spare)->text(), u"mark 1"_s);
    QCOMPARE(label(quadratic::X2Spare)->text(), u"mark 2"_s);
}

QTEST_MAIN(SolverPagesTest)
#include "tst_solverpages.moc"
