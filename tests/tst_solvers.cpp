#include "common/NumberForms.h"
#include "solvers/LinearSystem.h"
#include "solvers/Quadratic.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace morvela;

namespace {

// A result as the page shows it; "-" stands for no value.
QString shown(const std::optional<double> &value) {
    return value ? NumberText(*value) : QStringLiteral("-");
}

} // namespace

class SolversTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linearSystem_data();
    void linearSystem();
    void linearSystemNegativeZeroIsShownAs0();
    void linearSystemKeepsTheLastDigitErrorOfItsOrder();
    void quadratic_data();
    void quadratic();
};

void SolversTest::linearSystem_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("x+y=3, x-y=1") << 1.0 << 1.0 << 3.0 << 1.0 << -1.0 << 1.0 << "2"
                                  << "1";
    QTest::newRow("2x+3y=8, x-y=-1") << 2.0 << 3.0 << 8.0 << 1.0 << -1.0 << -1.0 << "1"
                                     << "2";
    QTest::newRow("thirds") << 3.0 << 0.0 << 1.0 << 0.0 << 3.0 << 2.0 << "0.333333333333333"
                            << "0.666666666666667";
    QTest::newRow("tenths") << 0.1 << 0.2 << 0.3 << 0.4 << 0.5 << 0.6 << "-1"
                            << "2";
    QTest::newRow("negative zero") << 1.0 << 0.0 << 0.0 << 0.0 << 1.0 << 0.0 << "0"
                                   << "0";
    QTest::newRow("dependent") << 1.0 << 2.0 << 3.0 << 2.0 << 4.0 << 6.0 << "-"
                               << "-";
    QTest::newRow("contradictory") << 1.0 << 1.0 << 1.0 << 1.0 << 1.0 << 2.0 << "-"
                                   << "-";
    QTest::newRow("all zero (untouched page)") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << "-"
                                               << "-";
    // An overflowing product in x's numerator fails x alone; y's arithmetic stays finite.
    QTest::newRow("x's numerator overflows") << 1.0 << 1e200 << 1.0 << 1.0 << 1.0 << 1e200 << "-"
                                             << "-1";
    // An overflowing denominator would otherwise give a finite 0 over infinity.
    QTest::newRow("denominator overflows") << 1.0 << 1e200 << 1.0 << 1e200 << 1.0 << 1.0 << "-"
                                           << "-";
    QTest::newRow("x's quotient overflows") << 1e-200 << 0.0 << 1e200 << 0.0 << 1.0 << 1.0 << "-"
                                            << "1";
    QTest::newRow("difference overflows") << 1.0 << 1e308 << 1.0 << 1.0 << -1e308 << -1e308 << "-"
                                          << "-";
    QTest::newRow("an input that overflowed") << inf << 1.0 << 1.0 << 1.0 << 1.0 << 2.0 << "-"
                                              << "-";
    QTest::newRow("a negative infinite input") << 1.0 << 1.0 << 1.0 << 1.0 << -1.0 << -inf << "-"
                                               << "-";
    QTest::newRow("large but finite") << 1e150 << 0.0 << 2e150 << 0.0 << 1e150 << 3e150 << "2"
                                      << "3";
}

void SolversTest::linearSystem() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, m);
    QFETCH(double, c);
    QFETCH(double, d);
    QFETCH(double, n);
    QFETCH(QString, x);
    QFETCH(QString, y);
    const LinearSolution solution = SolveLinearSystem(a, b, m, c, d, n);
    QCOMPARE(shown(solution.x), x);
    QCOMPARE(shown(solution.y), y);
}

void SolversTest::linearSystemNegativeZeroIsShownAs0() {
    const LinearSolution solution = SolveLinearSystem(1, 0, 0, 0, 1, 0);
    QVERIFY(solution.x && solution.y);
    QVERIFY(std::signbit(*solution.x));
    QVERIFY(std::signbit(*solution.y));
    QCOMPARE(NumberText(*solution.x), QStringLiteral("0"));
}

// The tenths system comes out a few units off in the last bits (x = -0.99999999999999956,
// y = 1.9999999999999991); only the rounding to 15 digits shows -1 and 2.
void SolversTest::linearSystemKeepsTheLastDigitErrorOfItsOrder() {
    const LinearSolution solution = SolveLinearSystem(0.1, 0.2, 0.3, 0.4, 0.5, 0.6);
    QVERIFY(solution.x && solution.y);
    QVERIFY(*solution.x == -0.99999999999999956);
    QVERIFY(*solution.y == 1.9999999999999991);
    QCOMPARE(NumberText(*solution.x), QStringLiteral("-1"));
    QCOMPARE(NumberText(*solution.y), QStringLiteral("2"));
}

void SolversTest::quadratic_data() {
    QTest::addColumn<QString>("e");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("z");
    QTest::addColumn<bool>("noRealRoot");
    QTest::addColumn<QString>("x1");
    QTest::addColumn<QString>("x2");

    const auto row = [](const char *name, const char *e, const char *f, const char *z, bool noRoot,
                        const char *x1, const char *x2) {
        QTest::newRow(name) << QString::fromUtf8(e) << QString::fromUtf8(f) << QString::fromUtf8(z) << noRoot
                            << QString::fromUtf8(x1) << QString::fromUtf8(x2);
    };
    row("x²-3x+2=0", "1", "-3", "-2", false, "2", "1");
    row("x²+2x=3", "1", "2", "3", false, "1", "-3");
    row("2x²+x=1", "2", "1", "1", false, "0.5", "-1");
    row("square root of 2", "1", "0", "2", false, "1.4142135623731", "-1.4142135623731");
    row("golden ratio", "1", "1", "1", false, "0.618033988749895", "-1.61803398874989");
    row("D = 0", "1", "2", "-1", false, "-1", "-1");
    row("zero roots", "1", "0", "0", false, "0", "0");
    row("negative zero roots", "-1", "0", "0", false, "0", "0");
    row("D < 0", "1", "0", "-1", true, "-", "-");
    row("D < 0, tiny", "1", "0", "-1e-300", true, "-", "-");
    row("e = 0", "0", "2", "3", false, "-", "-");
    row("e = -0", "-0", "2", "3", false, "-", "-");
    row("blanks around", " 1 ", "\t-3", "-2 ", false, "2", "1");
    row("exponent forms", "1e0", "-3E0", "-2.0", false, "2", "1");
    // A discriminant that cannot be worked out gives no roots, whichever text is at fault.
    row("z empty", "1", "2", "", false, "-", "-");
    row("z not a number", "1", "2", "abc", false, "-", "-");
    row("z with a unit", "1", "2", "3元", false, "-", "-");
    row("e empty", "", "2", "3", false, "-", "-");
    row("f not a number", "1", "2abc", "3", false, "-", "-");
    row("f with a comma", "1", "1,5", "3", false, "-", "-");
    row("all empty", "", "", "", false, "-", "-");
    row("e overflows while read", "1e999", "1", "1", false, "-", "-");
    row("discriminant overflows", "1e200", "1", "1e200", false, "-", "-");
    row("f² overflows", "1", "1e200", "1", false, "-", "-");
    row("e × 4 overflows", "1e308", "1", "1", false, "-", "-");
    // A root whose quotient overflows has no value; the other one stands.
    row("x2 overflows", "1e-310", "1e10", "0", false, "0", "-");
}

void SolversTest::quadratic() {
    QFETCH(QString, e);
    QFETCH(QString, f);
    QFETCH(QString, z);
    QFETCH(bool, noRealRoot);
    QFETCH(QString, x1);
    QFETCH(QString, x2);
    const QuadraticSolution solution = SolveQuadratic(e, f, z);
    QCOMPARE(solution.noRealRoot, noRealRoot);
    QCOMPARE(shown(solution.x1), x1);
    QCOMPARE(shown(solution.x2), x2);
}

QTEST_MAIN(SolversTest)
#include "tst_solvers.moc"
