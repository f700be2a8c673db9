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
    if (p != end && (*p == u'+' || *p == u'-')) {
        number.negative = *p == u'-';
        ++p;
    }
    bool anyDigit = false;
    for (; p != end; ++p) {
        if (isDigit(*p)) {
            number.digit(char(*p));
            anyDigit = true;
        } else if (!isLenientBlank(*p)) {
            break;
        }
    }
    if (p != end && *p == u'.') {
        for (++p; p != end; ++p) {
            if (isDigit(*p)) {
                number.digit(char(*p));
                ++number.fractionDigits;
                anyDigit = true;
            } else if (!isLenientBlank(*p)) {
                break;
            }
        }
    }
    if (!anyDigit)
        return 0.0; // nothing readable, also a lone sign or a lone point
    if (p != end && (*p == u'E' || *p == u'e')) {
        ++p;
        skipBlanks();
        bool negativeExponent = false;
        if (p != end && (*p == u'+' || *p == u'-')) {
            negativeExponent = *p == u'-';
            ++p;
        }
        for (; p != end; ++p) {
            if (isDigit(*p))
                number.exponentDigit(char(*p));
            else if (!isLenientBlank(*p))
                break;
        }
        if (negativeExponent)
            number.exponent = -number.exponent;
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
    if (p != end && (*p == u'+' || *p == u'-')) {
        number.negative = *p == u'-';
        ++p;
    }
    bool anyDigit = false;
    for (; p != end && isDigit(*p); ++p) {
        number.digit(char(*p));
        anyDigit = true;
    }
#ifdef Q_OS_WIN
    const QString &separator = localeDecimalSeparator();
    const bool atSeparator =
        !separator.isEmpty() && end - p >= separator.size() && QStringView(p, separator.size()) == separator;
    const qsizetype separatorLength = separator.size();
#else
    const bool atSeparator = p != end && *p == u'.';
    const qsizetype separatorLength = 1;
#endif
    if (atSeparator) {
        for (p += separatorLength; p != end && isDigit(*p); ++p) {
            number.digit(char(*p));
            ++number.fractionDigits;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (p != end && (*p == u'E' || *p == u'e')) {
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == u'+' || *p == u'-')) {
            negativeExponent = *p == u'-';
            ++p;
        }
        if (p == end || !isDigit(*p))
            return std::nullopt;
        for (; p != end && isDigit(*p); ++p)
            number.exponentDigit(char(*p));
        if (negativeExponent)
            number.exponent = -number.exponent;
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

QString NumberText(double value) {
    if (!std::isfinite(value))
        return QString();
    if (value == 0.0)
        return QStringLiteral("0"); // negative zero too

    const bool negative = value < 0.0;
    char digits[17];
    int count = 0;
    int exponent = 0;
    const auto splitScientific = [&](const char *p, const char *end) {
        count = 0;
        if (*p == '-')
            ++p;
        for (; p != end && *p != 'e'; ++p) {
            if (*p != '.' && count < int(sizeof digits))
                digits[count++] = *p;
        }
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    };

    // 17 significant digits, correctly rounded. The 15-digit rounding follows from them, except when the
    // 16th and 17th digits are 50: the value then lies within half a unit of the 17th digit of the point
    // halfway between two 15-digit numbers, and only its exact expansion tells the side. A value exactly
    // halfway is rounded away from zero, as on paper.
    char scientific[40];
    const char *scientificEnd =
        std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific, 16)
            .ptr;
    splitScientific(scientific, scientificEnd);
    bool roundUp = digits[15] >= '5';
    if (digits[15] == '5' && digits[16] == '0' && !isExactlyTheseDigits(value, digits, 16)) {
        scientificEnd = std::to_chars(scientific, scientific + sizeof scientific, value,
                                      std::chars_format::scientific, 14)
                            .ptr;
        splitScientific(scientific, scientificEnd);
        roundUp = false;
    }
    count = 15;
    if (roundUp) {
        int i = 14;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            ++exponent;
        }
    }
    // Near the largest double, rounding up can give a number beyond it (1.79769313486232E+308), which no
    // reader could take back; such a value is written rounded toward zero instead.
    if (exponent == 308 && std::memcmp(digits, "179769313486232", 15) >= 0)
        std::memcpy(digits, "179769313486231", 15);
    while (count > 1 && digits[count - 1] == '0')
        --count;

    char out[40];
    int n = 0;
    if (negative)
        out[n++] = '-';
    if (exponent >= 15 || exponent < -4) {
        out[n++] = digits[0];
        if (count > 1) {
            out[n++] = '.';
            for (int i = 1; i < count; ++i)
                out[n++] = digits[i];
        }
        out[n++] = 'E';
        out[n++] = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out[n++] = '0';
        n = int(std::to_chars(out + n, out + sizeof out, magnitude).ptr - out);
    } else if (exponent < 0) {
        out[n++] = '0';
        out[n++] = '.';
        for (int i = -1; i > exponent; --i)
            out[n++] = '0';
        for (int i = 0; i < count; ++i)
            out[n++] = digits[i];
    } else {
        for (int i = 0; i <= exponent; ++i)
            out[n++] = i < count ? digits[i] : '0';
        if (count > exponent + 1) {
            out[n++] = '.';
            for (int i = exponent + 1; i < count; ++i)
                out[n++] = digits[i];
        }
    }
    QString text = QString::fromLatin1(out, n);
#ifdef Q_OS_WIN
    const QString &separator = localeDecimalSeparator();
    if (separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), separator);
#endif
    return text;
}

} // namespace morvela
