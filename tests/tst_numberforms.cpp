#include "common/FullWidth.h"
#include "common/NumberForms.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

using namespace morvela;

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

// Exact equality that also tells 0 from -0 (QCOMPARE on doubles is fuzzy).
bool same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

QByteArray mismatch(double actual, double expected) {
    char text[80];
    std::snprintf(text, sizeof text, "got %.17g, expected %.17g", actual, expected);
    return QByteArray(text);
}

#define COMPARE_EXACT(actual, expected)                                                                      \
    QVERIFY2(same((actual), (expected)), mismatch((actual), (expected)).constData())

QString repeated(QChar c, qsizetype count) {
    return QString(count, c);
}

// The readers over a whole QString, so that built-up texts can be passed directly.
double readLenient(const QString &text) {
    return LenientNumber(text);
}
std::optional<double> readStrict(const QString &text) {
    return StrictNumber(text);
}

} // namespace

class NumberFormsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullWidthFolding_data();
    void fullWidthFolding();
    void everyFullWidthFormHasItsAsciiCounterpart();
    void lenient_data();
    void lenient();
    void lenientReadsEveryDoubleBack();
    void lenientKeepsTheRoundingOfLongDigitStrings();
    void strict_data();
    void strict();
    void numberText_data();
    void numberText();
    void numberTextMatchesTheGeneralFormWithFifteenDigits();
    void numberTextNeverShowsAnInfinityOrNaN();
    void numberTextReadsBack();
    void hugeInputsNeitherCrashNorHang();
};

void NumberFormsTest::fullWidthFolding_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ASCII unchanged") << QStringLiteral("-12.5e1 &HFF") << QStringLiteral("-12.5e1 &HFF");
    QTest::newRow("digits") << QStringLiteral("０１２３４５６７８９") << QStringLiteral("0123456789");
    QTest::newRow("signs, point, exponent")
        << QStringLiteral("＋－．Ｅｅ，／＆Ｈｈ") << QStringLiteral("+-.Ee,/&Hh");
    QTest::newRow("first and last forms") << QStringLiteral("！～") << QStringLiteral("!~");
    QTest::newRow("ideographic space") << QStringLiteral("\u3000１\u3000") << QStringLiteral(" 1 ");
    QTest::newRow("Chinese text unchanged") << QStringLiteral("买１００元") << QStringLiteral("买100元");
    QTest::newRow("parentheses of the starting date text")
        << QStringLiteral("请输入日期（yyyy-mm-dd）") << QStringLiteral("请输入日期(yyyy-mm-dd)");
    // Only U+FF01 to U+FF5E and U+3000: their neighbours, the ideographic full stop and comma, the
    // half-width forms and other digits stay.
    QTest::newRow("neighbours stay") << QStringLiteral("\uFF00\uFF5F\u3001\u3002\u2FFF\u3001\uFF61\uFF65٣")
                                     << QStringLiteral("\uFF00\uFF5F\u3001\u3002\u2FFF\u3001\uFF61\uFF65٣");
}

void NumberFormsTest::fullWidthFolding() {
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(FoldFullWidth(text), folded);
    QCOMPARE(HasFullWidthForms(text), text != folded);
}

// U+FF01 to U+FF5E are the ASCII characters U+0021 to U+007E in full width, in the same order.
void NumberFormsTest::everyFullWidthFormHasItsAsciiCounterpart() {
    QString forms;
    QString ascii;
    for (char16_t c = u'\uFF01'; c <= u'\uFF5E'; ++c)
        forms += QChar(c);
    for (char c = '!'; c <= '~'; ++c)
        ascii += QLatin1Char(c);
    QCOMPARE(forms.size(), 94);
    QCOMPARE(FoldFullWidth(forms), ascii);
}

void NumberFormsTest::lenient_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("abc") << QStringLiteral("abc") << 0.0;
    QTest::newRow("12abc") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("2abc") << QStringLiteral("2abc") << 2.0;
    QTest::newRow("blank 1 blank 2") << QStringLiteral(" 1 2") << 12.0;
    QTest::newRow("comma ends the number") << QStringLiteral("1,5") << 1.0;
    QTest::newRow("thousands comma") << QStringLiteral("1,000") << 1.0;
    QTest::newRow("-.5") << QStringLiteral("-.5") << -0.5;
    QTest::newRow("1e2") << QStringLiteral("1e2") << 100.0;
    QTest::newRow("1E2") << QStringLiteral("1E2") << 100.0;
    QTest::newRow("100元") << QStringLiteral("100元") << 100.0;
    QTest::newRow("blanks then -12.5e1xyz") << QStringLiteral("  -12.5e1xyz") << -125.0;
    QTest::newRow("lone point") << QStringLiteral(".") << 0.0;
    QTest::newRow("lone minus") << QStringLiteral("-") << 0.0;
    QTest::newRow("lone plus") << QStringLiteral("+") << 0.0;
    QTest::newRow("plus sign") << QStringLiteral("+7") << 7.0;
    QTest::newRow("two signs") << QStringLiteral("--1") << 0.0;
    QTest::newRow("5.") << QStringLiteral("5.") << 5.0;
    QTest::newRow("second point ends") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("tabs and line feeds") << QStringLiteral("\t1\n2.\t5") << 12.5;
    QTest::newRow("blanks inside exponent") << QStringLiteral("1 e - 2") << 0.01;
    QTest::newRow("carriage return ends") << QStringLiteral("1\r2") << 1.0;
    QTest::newRow("exponent without digits") << QStringLiteral("3e") << 3.0;
    QTest::newRow("exponent sign without digits") << QStringLiteral("3e+x") << 3.0;
    QTest::newRow("exponent alone") << QStringLiteral("e5") << 0.0;
    QTest::newRow("negative zero") << QStringLiteral("-0") << -0.0;
    QTest::newRow("0.1") << QStringLiteral("0.1") << 0.1;
    QTest::newRow("leading zeros") << QStringLiteral("000012.50") << 12.5;
    // Full-width forms (an input method in full-width mode) read as their ASCII counterparts.
    QTest::newRow("full-width digits") << QStringLiteral("１００") << 100.0;
    QTest::newRow("full-width digit after an ASCII one") << QStringLiteral("1２") << 12.0;
    QTest::newRow("full-width sign, point and exponent") << QStringLiteral("－１２．５Ｅ１") << -125.0;
    QTest::newRow("full-width small e") << QStringLiteral("１ｅ２") << 100.0;
    QTest::newRow("full-width plus") << QStringLiteral("＋７") << 7.0;
    QTest::newRow("ideographic spaces skipped") << QStringLiteral("\u3000１\u3000２") << 12.0;
    QTest::newRow("full-width comma ends the number") << QStringLiteral("１，５") << 1.0;
    QTest::newRow("full-width digits and 元") << QStringLiteral("１００元") << 100.0;
    QTest::newRow("full-width radix prefix") << QStringLiteral("＆ＨＦＦ") << 255.0;
    QTest::newRow("ideographic full stop is no point") << QStringLiteral("1。5") << 1.0;
    QTest::newRow("just below the full-width forms") << QStringLiteral("\uFF00５") << 0.0;
    QTest::newRow("just above the full-width forms") << QStringLiteral("５\uFF5F5") << 5.0;
    QTest::newRow("NaN") << QStringLiteral("NaN") << 0.0;
    QTest::newRow("Inf") << QStringLiteral("Inf") << 0.0;
    QTest::newRow("infinity") << QStringLiteral("-infinity") << 0.0;
    QTest::newRow("overflow") << QStringLiteral("1e999") << Inf;
    QTest::newRow("negative overflow") << QStringLiteral("-1e999") << -Inf;
    QTest::newRow("just beyond the largest double") << QStringLiteral("1.7976931348623159e308") << Inf;
    QTest::newRow("largest double") << QStringLiteral("1.7976931348623157e308")
                                    << std::numeric_limits<double>::max();
    QTest::newRow("underflow") << QStringLiteral("1e-999") << 0.0;
    QTest::newRow("negative underflow") << QStringLiteral("-1e-999") << -0.0;
    QTest::newRow("smallest subnormal")
        << QStringLiteral("4.9406564584124654e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("huge exponent of zero") << QStringLiteral("0e99999999999999999999") << 0.0;

    // Radix prefixes: a 32-bit two's complement integer; more than 32 bits overflow.
    QTest::newRow("&HFF") << QStringLiteral("&HFF") << 255.0;
    QTest::newRow("&hff lower case") << QStringLiteral("&hff") << 255.0;
    QTest::newRow("&O17") << QStringLiteral("&O17") << 15.0;
    QTest::newRow("&o17 lower case") << QStringLiteral("&o17") << 15.0;
    QTest::newRow("&HFFFF") << QStringLiteral("&HFFFF") << 65535.0;
    QTest::newRow("&H7FFFFFFF") << QStringLiteral("&H7FFFFFFF") << 2147483647.0;
    QTest::newRow("&H80000000") << QStringLiteral("&H80000000") << -2147483648.0;
    QTest::newRow("&HFFFFFFFF") << QStringLiteral("&HFFFFFFFF") << -1.0;
    QTest::newRow("&O37777777777") << QStringLiteral("&O37777777777") << -1.0;
    QTest::newRow("leading zeros do not count") << QStringLiteral("&H0000000000FFFFFFFF") << -1.0;
    QTest::newRow("&H100000000 overflows") << QStringLiteral("&H100000000") << Inf;
    QTest::newRow("&O40000000000 overflows") << QStringLiteral("&O40000000000") << Inf;
    QTest::newRow("&H alone") << QStringLiteral("&H") << 0.0;
    QTest::newRow("&H no digits") << QStringLiteral("&Hxyz") << 0.0;
    QTest::newRow("&O stops at 8") << QStringLiteral("&O178") << 15.0;
    QTest::newRow("&H stops at point") << QStringLiteral("&H1F.5") << 31.0;
    QTest::newRow("&H blanks skipped") << QStringLiteral(" & H 1 F") << 31.0;
    QTest::newRow("& without radix") << QStringLiteral("&12") << 0.0;
    QTest::newRow("sign before prefix") << QStringLiteral("-&H10") << 0.0;
}

void NumberFormsTest::lenient() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    COMPARE_EXACT(readLenient(text), expected);
}

// The conversion must be correctly rounded: the shortest text that names a double reads back as it.
void NumberFormsTest::lenientReadsEveryDoubleBack() {
    QRandomGenerator random(20240611);
    for (int i = 0; i < 20000; ++i) {
        double value;
        do {
            const quint64 bits = random.generate64();
            std::memcpy(&value, &bits, sizeof value);
        } while (!std::isfinite(value));
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", value);
        COMPARE_EXACT(readLenient(QString::fromLatin1(text)), value);
        COMPARE_EXACT(readStrict(QString::fromLatin1(text)).value_or(-1.5), value);
    }
}

// 2^53 + 1 lies exactly halfway between two doubles; a non-zero digit hundreds of places later
// decides the rounding and must not be lost when a long text is shortened.
void NumberFormsTest::lenientKeepsTheRoundingOfLongDigitStrings() {
    const QString halfway = QStringLiteral("9007199254740993.") + repeated(u'0', 900);
    COMPARE_EXACT(readLenient(halfway), 9007199254740992.0);
    COMPARE_EXACT(readLenient(halfway + u'1'), 9007199254740994.0);
    COMPARE_EXACT(readStrict(halfway + u'1').value_or(0), 9007199254740994.0);

    // A million zeros after the point, then the exponent moves the digit back: 1e4.
    const QString shifted = QStringLiteral("0.") + repeated(u'0', 1'000'000) + QStringLiteral("1e1000005");
    COMPARE_EXACT(readLenient(shifted), 10000.0);
    COMPARE_EXACT(readStrict(shifted).value_or(0), 10000.0);

    // A million digits before the point, shifted back down.
    const QString big = QStringLiteral("125") + repeated(u'0', 1'000'000) + QStringLiteral("e-1000002");
    COMPARE_EXACT(readLenient(big), 1.25);
}

void NumberFormsTest::strict_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("expected");

    QTest::newRow("2") << QStringLiteral("2") << true << 2.0;
    QTest::newRow("-3") << QStringLiteral("-3") << true << -3.0;
    QTest::newRow("+3") << QStringLiteral("+3") << true << 3.0;
    QTest::newRow("0.5") << QStringLiteral("0.5") << true << 0.5;
    QTest::newRow(".5") << QStringLiteral(".5") << true << 0.5;
    QTest::newRow("5.") << QStringLiteral("5.") << true << 5.0;
    QTest::newRow("1e3") << QStringLiteral("1e3") << true << 1000.0;
    QTest::newRow("1.5E-2") << QStringLiteral("1.5E-2") << true << 0.015;
    QTest::newRow("blanks around") << QStringLiteral(" 2 ") << true << 2.0;
    QTest::newRow("tabs around") << QStringLiteral("\t2\t") << true << 2.0;
    QTest::newRow("negative zero") << QStringLiteral("-0") << true << -0.0;
    QTest::newRow("underflow reads 0") << QStringLiteral("1e-999") << true << 0.0;

    QTest::newRow("2abc") << QStringLiteral("2abc") << false << 0.0;
    QTest::newRow("abc") << QStringLiteral("abc") << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("blanks only") << QStringLiteral("   ") << false << 0.0;
    QTest::newRow("lone minus") << QStringLiteral("-") << false << 0.0;
    QTest::newRow("lone point") << QStringLiteral(".") << false << 0.0;
    QTest::newRow("minus point") << QStringLiteral("-.") << false << 0.0;
    QTest::newRow("blank inside") << QStringLiteral("1 2") << false << 0.0;
    QTest::newRow("blank after sign") << QStringLiteral("- 2") << false << 0.0;
    QTest::newRow("comma") << QStringLiteral("1,5") << false << 0.0;
    QTest::newRow("thousands separator") << QStringLiteral("1,000") << false << 0.0;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << false << 0.0;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << false << 0.0;
    QTest::newRow("exponent sign without digits") << QStringLiteral("1e+") << false << 0.0;
    QTest::newRow("exponent alone") << QStringLiteral("e5") << false << 0.0;
    QTest::newRow("currency sign") << QStringLiteral("100元") << false << 0.0;
    QTest::newRow("radix prefix") << QStringLiteral("&HFF") << false << 0.0;
    QTest::newRow("NaN") << QStringLiteral("NaN") << false << 0.0;
    QTest::newRow("inf") << QStringLiteral("inf") << false << 0.0;
    QTest::newRow("infinity") << QStringLiteral("-Infinity") << false << 0.0;
    QTest::newRow("overflow") << QStringLiteral("1e999") << false << 0.0;
    QTest::newRow("line feed around") << QStringLiteral("\n2") << false << 0.0;

    // Full-width forms read as their ASCII counterparts, and then the rules above apply.
    QTest::newRow("full-width digits") << QStringLiteral("１００") << true << 100.0;
    QTest::newRow("full-width minus") << QStringLiteral("－３") << true << -3.0;
    QTest::newRow("full-width point") << QStringLiteral("０．５") << true << 0.5;
    QTest::newRow("full-width exponent") << QStringLiteral("１Ｅ３") << true << 1000.0;
    QTest::newRow("mixed widths") << QStringLiteral("1.５e-２") << true << 0.015;
    QTest::newRow("ideographic spaces around") << QStringLiteral("\u3000２\u3000") << true << 2.0;
    QTest::newRow("ideographic spaces only") << QStringLiteral("\u3000\u3000") << false << 0.0;
    QTest::newRow("ideographic space inside") << QStringLiteral("１\u3000２") << false << 0.0;
    QTest::newRow("full-width comma") << QStringLiteral("１，０００") << false << 0.0;
    QTest::newRow("full-width letters after") << QStringLiteral("２ａｂｃ") << false << 0.0;
    QTest::newRow("ideographic full stop") << QStringLiteral("0。5") << false << 0.0;
    QTest::newRow("just below the full-width forms") << QStringLiteral("\uFF00２") << false << 0.0;
    QTest::newRow("just above the full-width forms") << QStringLiteral("２\uFF5F") << false << 0.0;
}

void NumberFormsTest::strict() {
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(double, expected);
    const std::optional<double> value = readStrict(text);
    QCOMPARE(value.has_value(), readable);
    if (readable)
        COMPARE_EXACT(*value, expected);
}

void NumberFormsTest::numberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const double oneThird = 1.0 / 3.0, twoThirds = 2.0 / 3.0, twentyThirds = 20.0 / 3.0;
    const double pointOne = 0.1, pointTwo = 0.2, one = 1.0, three = 3.0;
    QTest::newRow("2") << 2.0 << QStringLiteral("2");
    QTest::newRow("-0.5") << -0.5 << QStringLiteral("-0.5");
    QTest::newRow("1/3") << oneThird << QStringLiteral("0.333333333333333");
    QTest::newRow("2/3") << twoThirds << QStringLiteral("0.666666666666667");
    QTest::newRow("20/3") << twentyThirds << QStringLiteral("6.66666666666667");
    QTest::newRow("sqrt 2") << std::sqrt(2.0) << QStringLiteral("1.4142135623731");
    QTest::newRow("0.1 + 0.2") << pointOne + pointTwo << QStringLiteral("0.3");
    QTest::newRow("1 - 3") << one - three << QStringLiteral("-2");
    QTest::newRow("0") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("100") << 100.0 << QStringLiteral("100");
    QTest::newRow("0.1") << 0.1 << QStringLiteral("0.1");
    QTest::newRow("1E+15") << 1e15 << QStringLiteral("1E+15");
    QTest::newRow("-1E+15") << -1e15 << QStringLiteral("-1E+15");
    QTest::newRow("1e14 written out") << 1e14 << QStringLiteral("100000000000000");
    QTest::newRow("15 nines") << 999999999999999.0 << QStringLiteral("999999999999999");
    QTest::newRow("rounds down below 1E+15") << 999999999999999.4 << QStringLiteral("999999999999999");
    QTest::newRow("tie carries into 1E+15") << 999999999999999.5 << QStringLiteral("1E+15");
    QTest::newRow("rounded to 15 digits") << 123456789012345.67 << QStringLiteral("123456789012346");
    // Exact ties at the 16th digit round away from zero.
    QTest::newRow("tie rounds up") << 123456789012345.5 << QStringLiteral("123456789012346");
    QTest::newRow("tie rounds up from even") << 1234567890123.125 << QStringLiteral("1234567890123.13");
    QTest::newRow("negative tie") << -123456789012345.5 << QStringLiteral("-123456789012346");
    QTest::newRow("tie in exponent form") << 7152319588456225.0 << QStringLiteral("7.15231958845623E+15");
    QTest::newRow("just below a tie") << 0.1234567890123455 << QStringLiteral("0.123456789012345");
    QTest::newRow("exponent mantissa rounded")
        << 123456789012345678901.0 << QStringLiteral("1.23456789012346E+20");
    QTest::newRow("1.5E-07") << 1.5e-7 << QStringLiteral("1.5E-07");
    QTest::newRow("0.0001 written out") << 0.0001 << QStringLiteral("0.0001");
    QTest::newRow("0.00001 in exponent form") << 0.00001 << QStringLiteral("1E-05");
    QTest::newRow("-0.00001") << -0.00001 << QStringLiteral("-1E-05");
    QTest::newRow("just below 1E-4 rounds up to it") << 0.00009999999999999999 << QStringLiteral("0.0001");
    QTest::newRow("15 digits after 0.000") << 0.000123456789012345 << QStringLiteral("0.000123456789012345");
    QTest::newRow("1E+300") << 1e300 << QStringLiteral("1E+300");
    // Rounding the largest doubles up would leave the double range: they are written rounded down.
    QTest::newRow("largest double") << std::numeric_limits<double>::max()
                                    << QStringLiteral("1.79769313486231E+308");
    QTest::newRow("minus largest double")
        << -std::numeric_limits<double>::max() << QStringLiteral("-1.79769313486231E+308");
    QTest::newRow("just below the largest")
        << 1.797693134862315e308 << QStringLiteral("1.79769313486231E+308");
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << QStringLiteral("4.94065645841247E-324");
    QTest::newRow("golden ratio") << (-1.0 + std::sqrt(5.0)) / 2.0 << QStringLiteral("0.618033988749895");
    QTest::newRow("negative golden") << (-1.0 - std::sqrt(5.0)) / 2.0 << QStringLiteral("-1.61803398874989");
}

void NumberFormsTest::numberText() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberText(value), expected);
}

// Qt's own 'g' form with 15 digits follows the same rules (exponent below -4 or from 15 on, no trailing
// zeros); only its exponent letter is lower case. It serves as an independent reference.
void NumberFormsTest::numberTextMatchesTheGeneralFormWithFifteenDigits() {
    QRandomGenerator random(7);
    for (int i = 0; i < 20000; ++i) {
        // Mostly ordinary magnitudes, where the written-out form and its boundaries live.
        const double mantissa = random.generateDouble() * 10.0;
        const int exponent = int(random.bounded(-12, 22));
        double value = mantissa * std::pow(10.0, exponent);
        if (i % 4 == 0) {
            const quint64 bits = random.generate64();
            std::memcpy(&value, &bits, sizeof value);
        }
        if (!std::isfinite(value) || value == 0.0)
            continue;
        QCOMPARE(NumberText(value), QString::number(value, 'g', 15).toUpper());
    }
}

void NumberFormsTest::numberTextReadsBack() {
    // A written result can be typed into a box again: it reads back to a value written the same way.
    QRandomGenerator random(11);
    QList<double> values{std::numeric_limits<double>::max(),
                         std::numeric_limits<double>::min(),
                         std::numeric_limits<double>::denorm_min(),
                         1e15,
                         999999999999999.5,
                         0.0001,
                         0.00001};
    for (int i = 0; i < 20000; ++i) {
        const quint64 bits = random.generate64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            values << value;
    }
    for (double value : values) {
        const QString written = NumberText(value);
        const std::optional<double> back = StrictNumber(written);
        QVERIFY2(back.has_value(), qPrintable(written));
        QCOMPARE(NumberText(*back), written);
    }
}

void NumberFormsTest::numberTextNeverShowsAnInfinityOrNaN() {
    QCOMPARE(NumberText(Inf), QString());
    QCOMPARE(NumberText(-Inf), QString());
    QCOMPARE(NumberText(std::numeric_limits<double>::quiet_NaN()), QString());
}

void NumberFormsTest::hugeInputsNeitherCrashNorHang() {
    const qsizetype mega = 1 << 20;
    const QString blanks = repeated(u' ', mega);
    COMPARE_EXACT(readLenient(blanks), 0.0);
    QVERIFY(!readStrict(blanks).has_value());

    const QString digits = repeated(u'7', mega);
    COMPARE_EXACT(readLenient(digits), Inf);
    QVERIFY(!readStrict(digits).has_value()); // too large for a double
    COMPARE_EXACT(readLenient(QStringLiteral("0.") + digits), 0.7777777777777778);
    COMPARE_EXACT(readStrict(QStringLiteral("-.") + digits).value_or(0), -0.7777777777777778);

    COMPARE_EXACT(readLenient(QStringLiteral("1e") + digits), Inf);
    COMPARE_EXACT(readLenient(QStringLiteral("1e-") + digits), 0.0);
    QVERIFY(!readStrict(QStringLiteral("1e") + digits).has_value());
    COMPARE_EXACT(readStrict(QStringLiteral("1e-") + digits).value_or(1), 0.0);

    COMPARE_EXACT(readLenient(QStringLiteral("&H") + repeated(u'F', 100)), Inf);
    COMPARE_EXACT(readLenient(QStringLiteral("&H") + repeated(u'F', mega)), Inf);
    COMPARE_EXACT(readLenient(QStringLiteral("&O") + repeated(u'0', mega) + u'7'), 7.0);

    // Digits spread out by blanks, and a text of blanks with one digit at its very end.
    QString spread;
    for (int i = 0; i < 100000; ++i)
        spread += QStringLiteral("1 ");
    COMPARE_EXACT(readLenient(spread), Inf);
    COMPARE_EXACT(readLenient(blanks + u'5'), 5.0);
    QVERIFY(!readStrict(blanks + u'x').has_value());
}

QTEST_MAIN(NumberFormsTest)
#include "tst_numberforms.moc"
