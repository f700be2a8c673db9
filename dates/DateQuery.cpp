// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/DateQuery.h"

#include "common/FullWidth.h"

#include <QList>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace morvela {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u3000';
}

qsizetype leadingBlanks(QStringView text) {
    qsizetype count = 0;
    while (count < text.size() && isBlank(text[count]))
        ++count;
    return count;
}

qsizetype trailingBlanks(QStringView text) {
    qsizetype count = 0;
    while (count < text.size() && isBlank(text[text.size() - 1 - count]))
        ++count;
    return count;
}

QStringView trimBlanks(QStringView text) {
    text = text.sliced(leadingBlanks(text));
    return text.chopped(trailingBlanks(text));
}

// Reads at least `least` and at most `most` ASCII digits at `pos` and moves past them; -1 when there
// are fewer than `least`. At most four digits are ever read, so the value cannot overflow.
int readDigits(QStringView text, qsizetype &pos, int least, int most) {
    int value = 0;
    int count = 0;
    while (count < most && pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
        ++count;
    }
    return count >= least ? value : -1;
}

bool readChar(QStringView text, qsizetype &pos, QChar c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

std::optional<QDate> existingDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

// yyyy-m-d, yyyy/m/d and yyyy年m月d日, the text already stripped of blanks around it.
std::optional<QDate> parseYearFirst(QStringView text) {
    qsizetype pos = 0;
    const int year = readDigits(text, pos, 4, 4);
    if (year < 0 || pos >= text.size())
        return std::nullopt;
    const QChar first = text[pos++];
    QChar second;
    QChar last; // after the day; null for none
    if (first == u'-' || first == u'/') {
        second = first;
    } else if (first == u'年') {
        second = u'月';
        last = u'日';
    } else {
        return std::nullopt;
    }
    const int month = readDigits(text, pos, 1, 2);
    if (month < 0 || !readChar(text, pos, second))
        return std::nullopt;
    const int day = readDigits(text, pos, 1, 2);
    if (day < 0 || (!last.isNull() && !readChar(text, pos, last)) || pos != text.size())
        return std::nullopt;
    return existingDate(year, month, day);
}

// A date format cut into its fields and the literal texts between them.
struct FormatItem {
    enum class Kind { Day, Month, Year2, Year4, Literal } kind;
    QString literal;
};

struct AnalysedFormat {
    QList<FormatItem> items;
    bool numeric = true; // only d, dd, M, MM, yy, yyyy and literals; one of each field
    int yearDigits = 0;
};

AnalysedFormat analyseFormat(QStringView format) {
    using Kind = FormatItem::Kind;
    AnalysedFormat out;
    int days = 0, months = 0, years = 0;
    QString literal;
    const auto addField = [&](Kind kind) {
        if (!literal.isEmpty())
            out.items.append({Kind::Literal, literal});
        literal.clear();
        out.items.append({kind, QString()});
    };
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        if (c == u'\'') { // quoted text; two quotes stand for one
            ++i;
            if (i < format.size() && format[i] == u'\'') {
                literal += u'\'';
                ++i;
                continue;
            }
            while (i < format.size()) {
                if (format[i] == u'\'') {
                    if (i + 1 < format.size() && format[i + 1] == u'\'') {
                        literal += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += format[i++];
            }
            continue;
        }
        if (c == u'd' || c == u'M' || c == u'y') {
            qsizetype run = 1;
            while (i + run < format.size() && format[i + run] == c)
                ++run;
            i += run;
            if (c == u'y')
                out.yearDigits = int(qMin<qsizetype>(run, 4));
            if (c == u'd' && run <= 2) {
                addField(Kind::Day);
                ++days;
            } else if (c == u'M' && run <= 2) {
                addField(Kind::Month);
                ++months;
            } else if (c == u'y' && (run == 2 || run == 4)) {
                addField(run == 2 ? Kind::Year2 : Kind::Year4);
                ++years;
            } else {
                out.numeric = false;
            }
            continue;
        }
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            out.numeric = false; // a field this reader does not know
        literal += c;
        ++i;
    }
    if (!literal.isEmpty())
        out.items.append({Kind::Literal, literal});
    if (days != 1 || months != 1 || years != 1)
        out.numeric = false;
    // Blanks at the ends of the format go the way of the blanks around the text.
    if (!out.items.isEmpty() && out.items.first().kind == Kind::Literal) {
        QString &first = out.items.first().literal;
        first.remove(0, leadingBlanks(first));
        if (first.isEmpty())
            out.items.removeFirst();
    }
    if (!out.items.isEmpty() && out.items.last().kind == Kind::Literal) {
        QString &last = out.items.last().literal;
        last.chop(trailingBlanks(last));
        if (last.isEmpty())
            out.items.removeLast();
    }
    return out;
}

std::optional<QDate> matchNumericFormat(QStringView text, const QList<FormatItem> &items) {
    using Kind = FormatItem::Kind;
    qsizetype pos = 0;
    int year = -1, month = -1, day = -1;
    for (const FormatItem &item : items) {
        switch (item.kind) {
        case Kind::Literal:
            if (!text.sliced(pos).startsWith(item.literal))
                return std::nullopt;
            pos += item.literal.size();
            break;
        case Kind::Day:
            day = readDigits(text, pos, 1, 2);
            break;
        case Kind::Month:
            month = readDigits(text, pos, 1, 2);
            break;
        case Kind::Year2: {
            const int yy = readDigits(text, pos, 2, 2);
            year = yy < 0 ? -1 : (yy < 50 ? 2000 + yy : 1900 + yy);
            break;
        }
        case Kind::Year4:
            year = readDigits(text, pos, 4, 4);
            break;
        }
        if ((item.kind == Kind::Day && day < 0) || (item.kind == Kind::Month && month < 0) ||
            ((item.kind == Kind::Year2 || item.kind == Kind::Year4) && year < 0))
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;
    return existingDate(year, month, day);
}

bool isLeapYear(int year) {
    const int astronomical = year < 0 ? year + 1 : year; // QDate has no year 0: year -1 is 1 BC
    return (astronomical % 4 == 0 && astronomical % 100 != 0) || astronomical % 400 == 0;
}

} // namespace

std::optional<QDate> parseLocaleDate(QStringView text, const QLocale &locale, const QString &format) {
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.isEmpty())
        return std::nullopt;
    const AnalysedFormat analysed = analyseFormat(format);
    if (analysed.numeric)
        return matchNumericFormat(trimmed, analysed.items);

    // Month or weekday names: the locale reads them. No short date is anywhere near this long.
    if (trimmed.size() > 200)
        return std::nullopt;
    QDate date = locale.toDate(trimmed.toString(), format);
    if (!date.isValid())
        return std::nullopt;
    if (analysed.yearDigits == 2 && date.year() >= 1900 && date.year() < 1950)
        date = date.addYears(100); // the 1950..2049 window of the numeric formats
    return existingDate(date.year(), date.month(), date.day());
}

std::optional<QDate> ParseQueryDate(QStringView text) {
    if (HasFullWidthForms(text))
        return ParseQueryDate(FoldFullWidth(text)); // ２００９－８－１ is 2009-8-1
#ifdef Q_OS_WIN
    // The user's own short date comes first: it is what "同步为今日日期" writes.
    const QLocale system = QLocale::system();
    if (const auto date = parseLocaleDate(text, system, system.dateFormat(QLocale::ShortFormat)))
        return date;
#endif
    return parseYearFirst(trimBlanks(text));
}

int WeekdayNumber(const QDate &date) {
    if (!date.isValid())
        return 0;
    return date.dayOfWeek() % 7 + 1; // Qt counts Monday 1 ... Sunday 7
}

int DayOfYear(const QDate &date) {
    if (!date.isValid())
        return 0;
    static constexpr int daysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int month = date.month();
    return daysBeforeMonth[month - 1] + date.day() + (month > 2 && isLeapYear(date.year()) ? 1 : 0);
}

int WeekOfYear(const QDate &date) {
    if (!date.isValid())
        return 0;
    const int firstWeekday = WeekdayNumber(QDate(date.year(), 1, 1));
    return (DayOfYear(date) - 1 + firstWeekday - 1) / 7 + 1;
}

QString weekdayMessage(int weekdayNumber) {
    static const char16_t *const names[7] = {u"天", u"一", u"二", u"三", u"四", u"五", u"六"};
    if (weekdayNumber < 1 || weekdayNumber > 7)
        return QString();
    return u"这一天是星期"_s + QString::fromUtf16(names[weekdayNumber - 1]) + u"。"_s;
}

QString weekOfYearMessage(int week) {
    return u"这一天处于这一年的第"_s + QString::number(week) + u"周。"_s;
}

QString dayOfYearMessage(int day) {
    return u"这一天是这一年的第"_s + QString::number(day) + u"天。"_s;
}

} // namespace morvela
