// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberForms.h"
#include "solvers/LinearSystem.h"
#include "solvers/Quadratic.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using namespace morvela;
using namespace Qt::StringLiterals;

namespace {

// A result as the page shows it; "-" stands for no value.
QString shown(const std::optional<double> &value) {
    return value ? NumberText(*value) : u"-"_s;
}

#ifdef __SIZEOF_FLOAT128__
using Quad = __float128;

Quad quadAbs(Quad x) {
    return x < 0 ? -x : x;
}

// The root of e·x² + f·x − z nearest to `start`, polished by Newton's method in quadruple precision
// (113 bits), where the polynomial is evaluated directly.
Quad polished(Quad e, Quad f, Quad z, Quad x) {
    for (int i = 0; i < 8; ++i) {
        const Quad slope = 2 * e * x + f;
        if (slope == 0)
            break;
        x -= ((e * x + f) * x - z) / slope;
    }
    return x;
}

// The roots x1 (with +√D) and x2 of e·x² + f·x = z for moderate coefficients: the written formula in
// quadruple precision, each root then polished on the polynomial itself. None when D < 0.
std::optional<std::pair<Quad, Quad>> quadRoots(double e, double f, double z) {
    const Quad E = e, F = f, Z = z;
    const Quad d = F * F + 4 * E * Z; // f² and 4·e·z are exact in 113 bits
    if (d < 0)
        return std::nullopt;
    Quad s = std::sqrt(double(d));
    for (int i = 0; s > 0 && i < 3; ++i)
        s = (s + d / s) / 2;
    return std::pair{polished(E, F, Z, (-F + s) / (2 * E)), polished(E, F, Z, (-F - s) / (2 * E))};
}

// A double with a random 53-bit mantissa, a random sign and a binary exponent in [low, high].
double randomDouble(QRandomGenerator &random, int low, int high) {
    const double mantissa = 1.0 + double(random.generate64() >> 12) / 4503599627370496.0; // [1, 2)
    const double value = std::ldexp(mantissa, int(random.bounded(low, high + 1)));
    return random.bounded(2) ? -value : value;
}
#endif

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
    void quadraticAgreesWithQuadPrecision_data();
    void quadraticAgreesWithQuadPrecision();
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
    QCOMPARE(NumberText(*solution.x), u"0"_s);
}

// The tenths system comes out a few units off in the last bits (x = -0.99999999999999956,
// y = 1.9999999999999991); only the rounding to 15 digits shows -1 and 2.
void SolversTest::linearSystemKeepsTheLastDigitErrorOfItsOrder() {
    const LinearSolution solution = SolveLinearSystem(0.1, 0.2, 0.3, 0.4, 0.5, 0.6);
    QVERIFY(solution.x && solution.y);
    QVERIFY(*solution.x == -0.99999999999999956);
    QVERIFY(*solution.y == 1.9999999999999991);
    QCOMPARE(NumberText(*solution.x), u"-1"_s);
    QCOMPARE(NumberText(*solution.y), u"2"_s);
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
    // Every root below was worked out apart from the code, with the inputs' exact binary values, to far
    // more digits than a double holds (the written formula carried out in 8000-bit arithmetic), then
    // rounded to the nearest double and written with 15 significant digits.
    // f² much larger than 4·e·z: the root with the small magnitude must not come from a difference of two
    // nearly equal numbers (x1 = 2 / (1e8 + √(1e16 + 4)), just below 1E-08).
    row("f² ≫ 4ez", "1", "1e8", "1", false, "1E-08", "-100000000");
    row("f² ≫ 4ez, f negative", "1", "-1e8", "-1", false, "100000000", "1E-08");
    row("tiny e", "1e-300", "1", "1", false, "1", "-1E+300");
    row("e negative", "-1", "3", "2", false, "1", "2");
    row("e negative, irrational", "-2", "3", "-1", false, "-0.280776406404415", "1.78077640640442");
    // The numbers in between overflow or underflow although the roots are ordinary numbers.
    row("all three 1e200", "1e200", "1e200", "1e200", false, "0.618033988749895", "-1.61803398874989");
    row("all three 1e-320", "1e-320", "1e-320", "1e-320", false, "0.618033988749895", "-1.61803398874989");
    row("4·e·z overflows", "1e200", "1", "1e200", false, "1", "-1");
    row("f² overflows", "1", "1e200", "1", false, "1E-200", "-1E+200");
    row("e × 4 overflows", "1e308", "1", "1", false, "1E-154", "-1E-154");
    row("f² and 4·e·z overflow", "1", "-1e308", "1e308", false, "1E+308", "-1");
    row("f² underflows", "1", "1e-200", "-1e-400", false, "0", "-1E-200");
    row("4·e·z underflows", "1e300", "1e-300", "1e300", false, "1", "-1");
    row("e and z tiny, f large", "1e-300", "1e300", "1e-300", false, "0", "-");
    row("1e-300 x² - 1e-300 x = 1e-300", "1e-300", "-1e-300", "1e-300", false, "1.61803398874989",
        "-0.618033988749895");
    // D = 0 exactly, where f² and 4·e·z are far outside a double: a double root of -2^73, and of -512.
    row("D = 0, e the smallest subnormal", "5e-324", "9.332636185032189e-302", "-4.407212831701244e-280",
        false, "-9.44473296573929E+21", "-9.44473296573929E+21");
    row("D = 0, f² beyond the largest double", "1.0715086071862673e+301", "1.0972248137587377e+304",
        "-2.8088955232223686e+306", false, "-512", "-512");
    // Nearly a double root: D is a few units of the last place of f², so it must be worked out exactly
    // (the double sum gives one root twice, or roots on the wrong side of -0.57605771).
    row("D barely positive", "1.6334146769160682", "1.8818822374811073", "-0.5420363863806635", false,
        "-0.576057708961951", "-0.576057711620747");
    row("D barely positive, z next to -1", "1", "2", "-0.9999999999999999", false, "-0.999999989463288",
        "-1.00000001053671");
    // D barely negative: the double sum rounds it up to a positive number.
    row("D barely negative", "1.963602529797658", "-0.8174955467035276", "-0.08508582550932103", true, "-",
        "-");
    row("D barely negative, z next to -1", "1", "2", "-1.0000000000000002", true, "-", "-");
    // The largest double and beyond it: a root that is not a finite double has no value; the other one
    // stands.
    row("a root just below the largest double", "1", "-1.7976931348623157e308", "1.7976931348623157e308",
        false, "1.79769313486231E+308", "-1");
    row("a root twice the largest double", "0.5", "-1.7976931348623157e308", "0", false, "-", "0");
    row("x2 overflows", "1e-310", "1e10", "0", false, "0", "-");
    row("x2 overflows, x1 normal", "1", "1e154", "1e154", false, "1", "-1E+154");
    // Subnormal roots, rounded on the subnormal grid.
    row("the smallest subnormal root", "1", "1", "5e-324", false, "4.94065645841247E-324", "-1");
    row("a subnormal root", "1", "1", "1e-320", false, "9.99988867182683E-321", "-1");
    row("a subnormal root, f negative", "1", "-1", "1e-320", false, "1", "-9.99988867182683E-321");
    row("a subnormal root beside -1/3", "3", "1", "1e-310", false, "9.99999999999997E-311",
        "-0.333333333333333");
    row("a subnormal root, x2 too large", "1e-320", "1", "1e-320", false, "9.99988867182683E-321", "-");
    row("roots of a subnormal quotient", "4", "0", "1e-323", false, "1.57172778470263E-162",
        "-1.57172778470263E-162");
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

// Random equations against roots worked out in quadruple precision: the texts shown are those of the
// exact roots rounded to the nearest double.
void SolversTest::quadraticAgreesWithQuadPrecision_data() {
    QTest::addColumn<int>("exponentLow");
    QTest::addColumn<int>("exponentHigh");
    QTest::addColumn<int>("zExponentLow");
    QTest::addColumn<int>("zExponentHigh");
    QTest::newRow("similar sizes") << -4 << 4 << -4 << 4;
    QTest::newRow("sizes 2^±60 apart") << -60 << 60 << -60 << 60;
    QTest::newRow("sizes 2^±200 apart") << -200 << 200 << -200 << 200;
    QTest::newRow("subnormal small roots") << -2 << 2 << -1074 << -1020;
}

void SolversTest::quadraticAgreesWithQuadPrecision() {
#ifdef __SIZEOF_FLOAT128__
    QFETCH(int, exponentLow);
    QFETCH(int, exponentHigh);
    QFETCH(int, zExponentLow);
    QFETCH(int, zExponentHigh);
    QRandomGenerator random(20261211);
    const auto text = [](double v) { return QString::number(v, 'g', 17); };
    for (int i = 0; i < 20000; ++i) {
        const double e = randomDouble(random, exponentLow, exponentHigh);
        const double f = randomDouble(random, exponentLow, exponentHigh);
        const double z = randomDouble(random, zExponentLow, zExponentHigh);
        const QuadraticSolution solution = SolveQuadratic(text(e), text(f), text(z));
        const auto expected = quadRoots(e, f, z);
        const QString where = u"e=%1 f=%2 z=%3"_s.arg(text(e), text(f), text(z));
        QVERIFY2(solution.noRealRoot == !expected, qPrintable(where));
        if (!expected)
            continue;
        QVERIFY2(solution.x1 && solution.x2, qPrintable(where));
        const QString shown = NumberText(*solution.x1) + QLatin1Char(' ') + NumberText(*solution.x2);
        const QString right =
            NumberText(double(expected->first)) + QLatin1Char(' ') + NumberText(double(expected->second));
        QVERIFY2(shown == right, qPrintable(where + u": "_s + shown + u" instead of "_s + right));
    }
#else
    QSKIP("needs a quadruple precision type");
#endif
}

QTEST_MAIN(SolversTest)
#include "tst_solvers.moc"
