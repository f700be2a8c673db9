// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberForms.h"

#include "common/FullWidth.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#ifdef Q_OS_WIN
#include <QLocale>
#endif

using namespace Qt::StringLiterals;

namespace morvela {

namespace {

// ---------------------------------------------------------------------------------------------------------
// Decimal conversion shared by both readers.
//
// A reader collects the digits of the mantissa and the exponent into a DecimalDigits; only the significant
// digits are kept (leading zeros dropped, the point folded into the exponent), and at most MaxKept of them.
// A double is decided by its first 768 significant digits; anything after them can only tip a tie, so a
// longer tail is replaced by one sticky non-zero digit. This keeps the buffer small whatever the text's
// length, and the conversion correctly rounded.

constexpr int MaxKept = 800;
// An exponent is read up to this size; anything larger is as good as infinite for a double.
constexpr std::int64_t ExponentCap = 1'000'000'000'000;

struct DecimalDigits {
    std::array<char, MaxKept + 1 + 32> buffer; // kept digits, sticky digit, "e" and the exponent
    int kept = 0;                              // significant digits in buffer
    std::int64_t dropped = 0;                  // significant digits after the kept ones
    bool stickyTail = false;                   // one of the dropped digits is not 0
    std::int64_t fractionDigits = 0;           // digits read after the point (zeros included)
    std::int64_t exponent = 0;                 // the written exponent, capped
    bool negative = false;

    void digit(char c) {
        if (kept == 0 && c == '0')
            return; // a leading zero
        if (kept < MaxKept) {
            buffer[std::size_t(kept++)] = c;
        } else {
            ++dropped;
            stickyTail = stickyTail || c != '0';
        }
    }
    void fractionDigit(char c) {
        digit(c);
        ++fractionDigits;
    }
    void exponentDigit(char c) {
        if (exponent < ExponentCap)
            exponent = exponent * 10 + (c - '0');
    }

    // The value, correctly rounded; an overflow gives an infinity of the number's sign, an underflow 0.
    double value() {
        if (kept == 0)
            return negative ? -0.0 : 0.0;
        int length = kept;
        std::int64_t scale = exponent - fractionDigits + dropped;
        if (stickyTail) {
            buffer[std::size_t(length++)] = '1';
            --scale;
        }
        // The decimal exponent of the leading digit decides the cases far outside a double's range.
        const std::int64_t leading = scale + length - 1;
        const double huge = std::numeric_limits<double>::infinity();
        double magnitude = 0.0;
        if (leading > 400) {
            magnitude = huge;
        } else if (leading < -400) {
            magnitude = 0.0;
        } else {
            char *end = buffer.data() + length;
            *end++ = 'e';
            end = std::to_chars(end, buffer.data() + buffer.size(), scale).ptr;
            const auto result = std::from_chars(buffer.data(), end, magnitude);
            if (result.ec == std::errc::result_out_of_range)
                magnitude = leading > 0 ? huge : 0.0;
        }
        return negative ? -magnitude : magnitude;
    }
};

inline bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The blanks the lenient reader skips wherever they stand.
inline bool isLenientBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The blanks allowed around a strict number.
inline bool isStrictBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// ---------------------------------------------------------------------------------------------------------
// The scanning both readers share. A reader passes over the characters its `inside` test accepts between
// the digits of a number: the lenient reader over any blank, the strict one over none.

using InsideTest = bool (*)(char16_t);

inline bool nothingInside(char16_t) {
    return false;
}

// An optional sign.
void readSign(const char16_t *&p, const char16_t *end, bool &negative) {
    if (p != end && (*p == u'+' || *p == u'-')) {
        negative = *p == u'-';
        ++p;
    }
}

// The digits from p on, each handed to `take`, up to the first character that is neither a digit nor
// passed over. Whether there was a digit.
template <class Take> bool readDigits(const char16_t *&p, const char16_t *end, InsideTest inside, Take take) {
    bool anyDigit = false;
    for (; p != end; ++p) {
        if (isDigit(*p)) {
            take(char(*p));
            anyDigit = true;
        } else if (!inside(*p)) {
            break;
        }
    }
    return anyDigit;
}

// Sign, digits, and a decimal point followed by digits; `pointLength` gives the length of the decimal
// point standing at p (0 where there is none). Whether there was a digit.
template <class PointLength>
bool readMantissa(const char16_t *&p, const char16_t *end, InsideTest inside, PointLength pointLength,
                  DecimalDigits &number) {
    readSign(p, end, number.negative);
    bool anyDigit = readDigits(p, end, inside, [&number](char c) { number.digit(c); });
    if (const qsizetype point = pointLength(p)) {
        p += point;
        anyDigit = readDigits(p, end, inside, [&number](char c) { number.fractionDigit(c); }) || anyDigit;
    }
    return anyDigit;
}

// The exponent after its E: sign and digits. Whether there was a digit.
bool readExponent(const char16_t *&p, const char16_t *end, InsideTest inside, DecimalDigits &number) {
    bool negativeExponent = false;
    readSign(p, end, negativeExponent);
    const bool anyDigit = readDigits(p, end, inside, [&number](char c) { number.exponentDigit(c); });
    if (negativeExponent)
        number.exponent = -number.exponent;
    return anyDigit;
}

// ---------------------------------------------------------------------------------------------------------
// The integer after a radix prefix: its digits make a 32-bit two's complement integer, so &HFFFF is 65535,
// &H7FFFFFFF is 2147483647 and &HFFFFFFFF is -1. Leading zeros do not count. Digits worth more than 32
// bits overflow, and an overflow reads as infinity, like a decimal number too large for a double.

double radixValue(const char16_t *p, const char16_t *end, int bitsPerDigit) {
    std::uint64_t value = 0;
    for (; p != end; ++p) {
        const char16_t c = *p;
        if (isLenientBlank(c))
            continue;
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (bitsPerDigit == 4 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (bitsPerDigit == 4 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0 || digit >= (1 << bitsPerDigit))
            break;
        value = (value << bitsPerDigit) | std::uint64_t(digit);
        if (value > 0xFFFF'FFFFu)
            return std::numeric_limits<double>::infinity();
    }
    return double(std::int32_t(std::uint32_t(value)));
}

// Whether the exact binary value of a double is the decimal with the given significant digits (and
// nothing after them). Only asked for the rare candidates of an exact tie, so its cost does not matter:
// a double's exact expansion has at most 767 significant digits.
bool isExactlyTheseDigits(double value, const char *digits, int count) {
    char exact[800];
    const char *const end =
        std::to_chars(exact, exact + sizeof exact, value, std::chars_format::scientific, 780).ptr;
    const char *p = exact;
    if (*p == '-')
        ++p;
    int i = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (*p == '.')
            continue;
        if (i < count ? *p != digits[i] : *p != '0')
            return false;
        ++i;
    }
    return true;
}

#ifdef Q_OS_WIN
const QString &localeDecimalSeparator() {
    static const QString separator = QLocale::system().decimalPoint();
    return separator;
}
#endif

} // namespace

double LenientNumber(QStringView text) {
    if (HasFullWidthForms(text))
        return LenientNumber(FoldFullWidth(text));
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();
    const auto skipBlanks = [&] {
        while (p != end && isLenientBlank(*p))
            ++p;
    };

    skipBlanks();
    if (p != end && *p == u'&') {
        ++p;
        skipBlanks();
        if (p != end && (*p == u'H' || *p == u'h'))
            return radixValue(p + 1, end, 4);
        if (p != end && (*p == u'O' || *p == u'o'))
            return radixValue(p + 1, end, 3);
        return 0.0;
    }

    DecimalDigits number;
    const auto point = [end](const char16_t *at) -> qsizetype { return at != end && *at == u'.' ? 1 : 0; };
    if (!readMantissa(p, end, isLenientBlank, point, number))
        return 0.0; // nothing readable, also a lone sign or a lone point
    if (p != end && (*p == u'E' || *p == u'e')) {
        ++p;
        skipBlanks();
        readExponent(p, end, isLenientBlank, number); // no digits: exponent 0
    }
    return number.value();
}

std::optional<double> StrictNumber(QStringView text) {
    if (HasFullWidthForms(text))
        return StrictNumber(FoldFullWidth(text));
    const char16_t *p = text.utf16();
    const char16_t *const end = p + text.size();

    while (p != end && isStrictBlank(*p))
        ++p;
    DecimalDigits number;
#ifdef Q_OS_WIN
    const QString &separator = localeDecimalSeparator();
    const auto point = [end, &separator](const char16_t *at) -> qsizetype {
        const bool there = !separator.isEmpty() && end - at >= separator.size() &&
                           QStringView(at, separator.size()) == separator;
        return there ? separator.size() : 0;
    };
#else
    const auto point = [end](const char16_t *at) -> qsizetype { return at != end && *at == u'.' ? 1 : 0; };
#endif
    if (!readMantissa(p, end, nothingInside, point, number))
        return std::nullopt;
    if (p != end && (*p == u'E' || *p == u'e')) {
        ++p;
        if (!readExponent(p, end, nothingInside, number))
            return std::nullopt;
    }
    while (p != end && isStrictBlank(*p))
        ++p;
    if (p != end)
        return std::nullopt;
    const double value = number.value();
    if (std::isinf(value))
        return std::nullopt; // too large for a double
    return value;
}

namespace {

// A magnitude as significant digits: digits[0] is the leading one, worth 10^exponent.
struct SignificantDigits {
    char digits[17];
    int count = 0;
    int exponent = 0;
};

// The significant digits of a finite value as the scientific form writes them with the given number of
// digits after the point, correctly rounded.
SignificantDigits scientificDigits(double value, int precision) {
    char scientific[40];
    const char *const end = std::to_chars(scientific, scientific + sizeof scientific, value,
                                          std::chars_format::scientific, precision)
                                .ptr;
    SignificantDigits out;
    const char *p = scientific;
    if (*p == '-')
        ++p;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.' && out.count < int(sizeof out.digits))
            out.digits[out.count++] = *p;
    }
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, out.exponent);
    return out;
}

// A finite non-zero value rounded to 15 significant digits, a value exactly halfway away from zero, with
// the trailing zeros dropped.
SignificantDigits roundedToFifteen(double value) {
    // 17 significant digits, correctly rounded. The 15-digit rounding follows from them, except when the
    // 16th and 17th digits are 50: the value then lies within half a unit of the 17th digit of the point
    // halfway between two 15-digit numbers, and only its exact expansion tells the side. A value exactly
    // halfway is rounded away from zero, as on paper.
    SignificantDigits d = scientificDigits(value, 16);
    bool roundUp = d.digits[15] >= '5';
    if (d.digits[15] == '5' && d.digits[16] == '0' && !isExactlyTheseDigits(value, d.digits, 16)) {
        d = scientificDigits(value, 14);
        roundUp = false;
    }
    d.count = 15;
    if (roundUp) {
        int i = 14;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits[0] = '1';
            ++d.exponent;
        }
    }
    // Near the largest double, rounding up can give a number beyond it (1.79769313486232E+308), which no
    // reader could take back; such a value is written rounded toward zero instead.
    if (d.exponent == 308 && std::memcmp(d.digits, "179769313486232", 15) >= 0)
        std::memcpy(d.digits, "179769313486231", 15);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// The digits in the general form, with "." as the decimal point: exponent form ("1.5E-07", "E", sign, at
// least two digits) for exponents of 15 and more or below -4, plain digits otherwise.
QString generalForm(bool negative, const SignificantDigits &d) {
    char out[40];
    int n = 0;
    if (negative)
        out[n++] = '-';
    if (d.exponent >= 15 || d.exponent < -4) {
        out[n++] = d.digits[0];
        if (d.count > 1) {
            out[n++] = '.';
            for (int i = 1; i < d.count; ++i)
                out[n++] = d.digits[i];
        }
        out[n++] = 'E';
        out[n++] = d.exponent < 0 ? '-' : '+';
        const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
        if (magnitude < 10)
            out[n++] = '0';
        n = int(std::to_chars(out + n, out + sizeof out, magnitude).ptr - out);
    } else if (d.exponent < 0) {
        out[n++] = '0';
        out[n++] = '.';
        for (int i = -1; i > d.exponent; --i)
            out[n++] = '0';
        for (int i = 0; i < d.count; ++i)
            out[n++] = d.digits[i];
    } else {
        for (int i = 0; i <= d.exponent; ++i)
            out[n++] = i < d.count ? d.digits[i] : '0';
        if (d.count > d.exponent + 1) {
            out[n++] = '.';
            for (int i = d.exponent + 1; i < d.count; ++i)
                out[n++] = d.digits[i];
        }
    }
    return QString::fromLatin1(out, n);
}

} // namespace

QString NumberText(double value) {
    if (!std::isfinite(value))
        return QString();
    if (value == 0.0)
        return u"0"_s; // negative zero too
    QString text = generalForm(value < 0.0, roundedToFifteen(value));
#ifdef Q_OS_WIN
    const QString &separator = localeDecimalSeparator();
    if (separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), separator);
#endif
    return text;
}

} // namespace morvela
