// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FullWidth.h"
#include "common/NumberForms.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

using namespace morvela;
using namespace Qt::StringLiterals;

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
    QTest::newRow("ASCII unchanged") << u"-12.5e1 &HFF"_s << u"-12.5e1 &HFF"_s;
    QTest::newRow("digits") << u"０１２３４５６７８９"_s << u"0123456789"_s;
    QTest::newRow("signs, point, exponent") << u"＋－．Ｅｅ，／＆Ｈｈ"_s << u"+-.Ee,/&Hh"_s;
    QTest::newRow("first and last forms") << u"！～"_s << u"!~"_s;
    QTest::newRow("ideographic space") << u"\u3000１\u3000"_s << u" 1 "_s;
    QTest::newRow("Chinese text unchanged") << u"买１００元"_s << u"买100元"_s;
    QTest::newRow("parentheses of the starting date text")
        << u"请输入日期（yyyy-mm-dd）"_s << u"请输入日期(yyyy-mm-dd)"_s;
    // Only U+FF01 to U+FF5E and U+3000: their neighbours, the ideographic full stop and comma, the
    // half-width forms and other digits stay.
    QTest::newRow("neighbours stay") << u"\uFF00\uFF5F\u3001\u3002\u2FFF\u3001\uFF61\uFF65٣"_s
                                     << u"\uFF00\uFF5F\u3001\u3002\u2FFF\u3001\uFF61\uFF65٣"_s;
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
    QTest::newRow("abc") << u"abc"_s << 0.0;
    QTest::newRow("12abc") << u"12abc"_s << 12.0;
    QTest::newRow("2abc") << u"2abc"_s << 2.0;
    QTest::newRow("blank 1 blank 2") << u" 1 2"_s << 12.0;
    QTest::newRow("comma ends the number") << u"1,5"_s << 1.0;
    QTest::newRow("thousands comma") << u"1,000"_s << 1.0;
    QTest::newRow("-.5") << u"-.5"_s << -0.5;
    QTest::newRow("1e2") << u"1e2"_s << 100.0;
    QTest::newRow("1E2") << u"1E2"_s << 100.0;
    QTest::newRow("100元") << u"100元"_s << 100.0;
    QTest::newRow("blanks then -12.5e1xyz") << u"  -12.5e1xyz"_s << -125.0;
    QTest::newRow("lone point") << u"."_s << 0.0;
    QTest::newRow("lone minus") << u"-"_s << 0.0;
    QTest::newRow("lone plus") << u"+"_s << 0.0;
    QTest::newRow("plus sign") << u"+7"_s << 7.0;
    QTest::newRow("two signs") << u"--1"_s << 0.0;
    QTest::newRow("5.") << u"5."_s << 5.0;
    QTest::newRow("second point ends") << u"1.2.3"_s << 1.2;
    QTest::newRow("tabs and line feeds") << u"\t1\n2.\t5"_s << 12.5;
    QTest::newRow("blanks inside exponent") << u"1 e - 2"_s << 0.01;
    QTest::newRow("carriage return ends") << u"1\r2"_s << 1.0;
    QTest::newRow("exponent without digits") << u"3e"_s << 3.0;
    QTest::newRow("exponent sign without digits") << u"3e+x"_s << 3.0;
    QTest::newRow("exponent alone") << u"e5"_s << 0.0;
    QTest::newRow("negative zero") << u"-0"_s << -0.0;
    QTest::newRow("0.1") << u"0.1"_s << 0.1;
    QTest::newRow("leading zeros") << u"000012.50"_s << 12.5;
    // Full-width forms (an input method in full-width mode) read as their ASCII counterparts.
    QTest::newRow("full-width digits") << u"１００"_s << 100.0;
    QTest::newRow("full-width digit after an ASCII one") << u"1２"_s << 12.0;
    QTest::newRow("full-width sign, point and exponent") << u"－１２．５Ｅ１"_s << -125.0;
    QTest::newRow("full-width small e") << u"１ｅ２"_s << 100.0;
    QTest::newRow("full-width plus") << u"＋７"_s << 7.0;
    QTest::newRow("ideographic spaces skipped") << u"\u3000１\u3000２"_s << 12.0;
    QTest::newRow("full-width comma ends the number") << u"１，５"_s << 1.0;
    QTest::newRow("full-width digits and 元") << u"１００元"_s << 100.0;
    QTest::newRow("full-width radix prefix") << u"＆ＨＦＦ"_s << 255.0;
    QTest::newRow("ideographic full stop is no point") << u"1。5"_s << 1.0;
    QTest::newRow("just below the full-width forms") << u"\uFF00５"_s << 0.0;
    QTest::newRow("just above the full-width forms") << u"５\uFF5F5"_s << 5.0;
    QTest::newRow("NaN") << u"NaN"_s << 0.0;
    QTest::newRow("Inf") << u"Inf"_s << 0.0;
    QTest::newRow("infinity") << u"-infinity"_s << 0.0;
    QTest::newRow("overflow") << u"1e999"_s << Inf;
    QTest::newRow("negative overflow") << u"-1e999"_s << -Inf;
    QTest::newRow("just beyond the largest double") << u"1.7976931348623159e308"_s << Inf;
    QTest::newRow("largest double") << u"1.7976931348623157e308"_s << std::numeric_limits<double>::max();
    QTest::newRow("underflow") << u"1e-999"_s << 0.0;
    QTest::newRow("negative underflow") << u"-1e-999"_s << -0.0;
    QTest::newRow("smallest subnormal")
        << u"4.9406564584124654e-324"_s << std::numeric_limits<double>::denorm_min();
    QTest::newRow("huge exponent of zero") << u"0e99999999999999999999"_s << 0.0;

    // Radix prefixes: a 32-bit two's complement integer; more than 32 bits overflow.
    QTest::newRow("&HFF") << u"&HFF"_s << 255.0;
    QTest::newRow("&hff lower case") << u"&hff"_s << 255.0;
    QTest::newRow("&O17") << u"&O17"_s << 15.0;
    QTest::newRow("&o17 lower case") << u"&o17"_s << 15.0;
    QTest::newRow("&HFFFF") << u"&HFFFF"_s << 65535.0;
    QTest::newRow("&H7FFFFFFF") << u"&H7FFFFFFF"_s << 2147483647.0;
    QTest::newRow("&H80000000") << u"&H80000000"_s << -2147483648.0;
    QTest::newRow("&HFFFFFFFF") << u"&HFFFFFFFF"_s << -1.0;
    QTest::newRow("&O37777777777") << u"&O37777777777"_s << -1.0;
    QTest::newRow("leading zeros do not count") << u"&H0000000000FFFFFFFF"_s << -1.0;
    QTest::newRow("&H100000000 overflows") << u"&H100000000"_s << Inf;
    QTest::newRow("&O40000000000 overflows") << u"&O40000000000"_s << Inf;
    QTest::newRow("&H alone") << u"&H"_s << 0.0;
    QTest::newRow("&H no digits") << u"&Hxyz"_s << 0.0;
    QTest::newRow("&O stops at 8") << u"&O178"_s << 15.0;
    QTest::newRow("&H stops at point") << u"&H1F.5"_s << 31.0;
    QTest::newRow("&H blanks skipped") << u" & H 1 F"_s << 31.0;
    QTest::newRow("& without radix") << u"&12"_s << 0.0;
    QTest::newRow("sign before prefix") << u"-&H10"_s << 0.0;
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
    const QString halfway = u"9007199254740993."_s + repeated(u'0', 900);
    COMPARE_EXACT(readLenient(halfway), 9007199254740992.0);
    COMPARE_EXACT(readLenient(halfway + u'1'), 9007199254740994.0);
    COMPARE_EXACT(readStrict(halfway + u'1').value_or(0), 9007199254740994.0);

    // A million zeros after the point, then the exponent moves the digit back: 1e4.
    const QString shifted = u"0."_s + repeated(u'0', 1'000'000) + u"1e1000005"_s;
    COMPARE_EXACT(readLenient(shifted), 10000.0);
    COMPARE_EXACT(readStrict(shifted).value_or(0), 10000.0);

    // A million digits before the point, shifted back down.
    const QString big = u"125"_s + repeated(u'0', 1'000'000) + u"e-1000002"_s;
    COMPARE_EXACT(readLenient(big), 1.25);
}

void NumberFormsTest::strict_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("expected");

    QTest::newRow("2") << u"2"_s << true << 2.0;
    QTest::newRow("-3") << u"-3"_s << true << -3.0;
    QTest::newRow("+3") << u"+3"_s << true << 3.0;
    QTest::newRow("0.5") << u"0.5"_s << true << 0.5;
    QTest::newRow(".5") << u".5"_s << true << 0.5;
    QTest::newRow("5.") << u"5."_s << true << 5.0;
    QTest::newRow("1e3") << u"1e3"_s << true << 1000.0;
    QTest::newRow("1.5E-2") << u"1.5E-2"_s << true << 0.015;
    QTest::newRow("blanks around") << u" 2 "_s << true << 2.0;
    QTest::newRow("tabs around") << u"\t2\t"_s << true << 2.0;
    QTest::newRow("negative zero") << u"-0"_s << true << -0.0;
    QTest::newRow("underflow reads 0") << u"1e-999"_s << true << 0.0;

    QTest::newRow("2abc") << u"2abc"_s << false << 0.0;
    QTest::newRow("abc") << u"abc"_s << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("blanks only") << u"   "_s << false << 0.0;
    QTest::newRow("lone minus") << u"-"_s << false << 0.0;
    QTest::newRow("lone point") << u"."_s << false << 0.0;
    QTest::newRow("minus point") << u"-."_s << false << 0.0;
    QTest::newRow("blank inside") << u"1 2"_s << false << 0.0;
    QTest::newRow("blank after sign") << u"- 2"_s << false << 0.0;
    QTest::newRow("comma") << u"1,5"_s << false << 0.0;
    QTest::newRow("thousands separator") << u"1,000"_s << false << 0.0;
    QTest::newRow("two points") << u"1.2.3"_s << false << 0.0;
    QTest::newRow("exponent without digits") << u"1e"_s << false << 0.0;
    QTest::newRow("exponent sign without digits") << u"1e+"_s << false << 0.0;
    QTest::newRow("exponent alone") << u"e5"_s << false << 0.0;
    QTest::newRow("currency sign") << u"100元"_s << false << 0.0;
    QTest::newRow("radix prefix") << u"&HFF"_s << false << 0.0;
    QTest::newRow("NaN") << u"NaN"_s << false << 0.0;
    QTest::newRow("inf") << u"inf"_s << false << 0.0;
    QTest::newRow("infinity") << u"-Infinity"_s << false << 0.0;
    QTest::newRow("overflow") << u"1e999"_s << false << 0.0;
    QTest::newRow("line feed around") << u"\n2"_s << false << 0.0;

    // Full-width forms read as their ASCII counterparts, and then the rules above apply.
    QTest::newRow("full-width digits") << u"１００"_s << true << 100.0;
    QTest::newRow("full-width minus") << u"－３"_s << true << -3.0;
    QTest::newRow("full-width point") << u"０．５"_s << true << 0.5;
    QTest::newRow("full-width exponent") << u"１Ｅ３"_s << true << 1000.0;
    QTest::newRow("mixed widths") << u"1.５e-２"_s << true << 0.015;
    QTest::newRow("ideographic spaces around") << u"\u3000２\u3000"_s << true << 2.0;
    QTest::newRow("ideographic spaces only") << u"\u3000\u3000"_s << false << 0.0;
    QTest::newRow("ideographic space inside") << u"１\u3000２"_s << false << 0.0;
    QTest::newRow("full-width comma") << u"１，０００"_s << false << 0.0;
    QTest::newRow("full-width letters after") << u"２ａｂｃ"_s << false << 0.0;
    QTest::newRow("ideographic full stop") << u"0。5"_s << false << 0.0;
    QTest::newRow("just below the full-width forms") << u"\uFF00２"_s << false << 0.0;
    QTest::newRow("just above the full-width forms") << u"２\uFF5F"_s << false << 0.0;
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
    QTest::newRow("2") << 2.0 << u"2"_s;
    QTest::newRow("-0.5") << -0.5 << u"-0.5"_s;
    QTest::newRow("1/3") << oneThird << u"0.333333333333333"_s;
    QTest::newRow("2/3") << twoThirds << u"0.666666666666667"_s;
    QTest::newRow("20/3") << twentyThirds << u"6.66666666666667"_s;
    QTest::newRow("sqrt 2") << std::sqrt(2.0) << u"1.4142135623731"_s;
    QTest::newRow("0.1 + 0.2") << pointOne + pointTwo << u"0.3"_s;
    QTest::newRow("1 - 3") << one - three << u"-2"_s;
    QTest::newRow("0") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("100") << 100.0 << u"100"_s;
    QTest::newRow("0.1") << 0.1 << u"0.1"_s;
    QTest::newRow("1E+15") << 1e15 << u"1E+15"_s;
    QTest::newRow("-1E+15") << -1e15 << u"-1E+15"_s;
    QTest::newRow("1e14 written out") << 1e14 << u"100000000000000"_s;
    QTest::newRow("15 nines") << 999999999999999.0 << u"999999999999999"_s;
    QTest::newRow("rounds down below 1E+15") << 999999999999999.4 << u"999999999999999"_s;
    QTest::newRow("tie carries into 1E+15") << 999999999999999.5 << u"1E+15"_s;
    QTest::newRow("rounded to 15 digits") << 123456789012345.67 << u"123456789012346"_s;
    // Exact ties at the 16th digit round away from zero.
    QTest::newRow("tie rounds up") << 123456789012345.5 << u"123456789012346"_s;
    QTest::newRow("tie rounds up from even") << 1234567890123.125 << u"1234567890123.13"_s;
    QTest::newRow("negative tie") << -123456789012345.5 << u"-123456789012346"_s;
    QTest::newRow("tie in exponent form") << 7152319588456225.0 << u"7.15231958845623E+15"_s;
    QTest::newRow("just below a tie") << 0.1234567890123455 << u"0.123456789012345"_s;
    QTest::newRow("exponent mantissa rounded") << 123456789012345678901.0 << u"1.23456789012346E+20"_s;
    QTest::newRow("1.5E-07") << 1.5e-7 << u"1.5E-07"_s;
    QTest::newRow("0.0001 written out") << 0.0001 << u"0.0001"_s;
    QTest::newRow("0.00001 in exponent form") << 0.00001 << u"1E-05"_s;
    QTest::newRow("-0.00001") << -0.00001 << u"-1E-05"_s;
    QTest::newRow("just below 1E-4 rounds up to it") << 0.00009999999999999999 << u"0.0001"_s;
    QTest::newRow("15 digits after 0.000") << 0.000123456789012345 << u"0.000123456789012345"_s;
    QTest::newRow("1E+300") << 1e300 << u"1E+300"_s;
    // Rounding the largest doubles up would leave the double range: they are written rounded down.
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << u"1.79769313486231E+308"_s;
    QTest::newRow("minus largest double")
        << -std::numeric_limits<double>::max() << u"-1.79769313486231E+308"_s;
    QTest::newRow("just below the largest") << 1.797693134862315e308 << u"1.79769313486231E+308"_s;
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << u"4.94065645841247E-324"_s;
    QTest::newRow("golden ratio") << (-1.0 + std::sqrt(5.0)) / 2.0 << u"0.618033988749895"_s;
    QTest::newRow("negative golden") << (-1.0 - std::sqrt(5.0)) / 2.0 << u"-1.61803398874989"_s;
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
    COMPARE_EXACT(readLenient(u"0."_s + digits), 0.7777777777777778);
    COMPARE_EXACT(readStrict(u"-."_s + digits).value_or(0), -0.7777777777777778);

    COMPARE_EXACT(readLenient(u"1e"_s + digits), Inf);
    COMPARE_EXACT(readLenient(u"1e-"_s + digits), 0.0);
    QVERIFY(!readStrict(u"1e"_s + digits).has_value());
    COMPARE_EXACT(readStrict(u"1e-"_s + digits).value_or(1), 0.0);

    COMPARE_EXACT(readLenient(u"&H"_s + repeated(u'F', 100)), Inf);
    COMPARE_EXACT(readLenient(u"&H"_s + repeated(u'F', mega)), Inf);
    COMPARE_EXACT(readLenient(u"&O"_s + repeated(u'0', mega) + u'7'), 7.0);

    // Digits spread out by blanks, and a text of blanks with one digit at its very end.
    QString spread;
    for (int i = 0; i < 100000; ++i)
        spread += u"1 "_s;
    COMPARE_EXACT(readLenient(spread), Inf);
    COMPARE_EXACT(readLenient(blanks + u'5'), 5.0);
    QVERIFY(!readStrict(blanks + u'x').has_value());
}

QTEST_MAIN(NumberFormsTest)
#include "tst_numberforms.moc"
