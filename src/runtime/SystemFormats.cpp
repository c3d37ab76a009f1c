#include "runtime/SystemFormats.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>

namespace runtime {
namespace {

constexpr int kSignificantDigits = 15;

std::optional<QLocale>& pinnedLocale() {
    static std::optional<QLocale> locale;
    return locale;
}

// The "C" locale has no useful formats; desktops that run in it read like American English.
QLocale effectiveLocale() {
    if (pinnedLocale()) {
        return *pinnedLocale();
    }
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) {
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return system;
}

QString shortDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    return format;
}

bool isDirectionalMark(char32_t ch) {
    return ch == 0x061C || ch == 0x200E || ch == 0x200F || (ch >= 0x202A && ch <= 0x202E) ||
           (ch >= 0x2066 && ch <= 0x2069);
}

// Desktop systems write date and time texts with the digits 0-9 in every locale, in the locale's
// order and with its separators, and without the directional marks that some locales put around
// the separators (the card rules sum these digits and count these characters).
QString withPlainDigits(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (const char32_t ch : text.toUcs4()) {
        if (QChar::isDigit(ch)) {
            plain += QLatin1Char(static_cast<char>('0' + QChar::digitValue(ch)));
        } else if (!isDirectionalMark(ch)) {
            plain += QString::fromUcs4(&ch, 1);
        }
    }
    return plain;
}

QString timeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?"));
    format.remove(zone);
    if (!format.contains(QLatin1Char('s'))) {
        format.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    }
    return format.trimmed();
}

constexpr std::array<const char*, 12> kEnglishMonths = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

int monthFromName(const QString& word, const QLocale& locale) {
    const QString lower = word.toLower();
    for (int m = 1; m <= 12; ++m) {
        const QString english = QString::fromLatin1(kEnglishMonths[m - 1]);
        const QString local = locale.monthName(m, QLocale::LongFormat).toLower();
        const QString localShort = locale.monthName(m, QLocale::ShortFormat).toLower();
        if (lower == english || lower == local || lower == localShort ||
            (lower.size() >= 3 && english.startsWith(lower))) {
            return m;
        }
    }
    return 0;
}

enum class Field { Day, Month, Year };

std::array<Field, 3> localeOrder(const QLocale& locale) {
    const QString format = shortDateFormat(locale);
    const qsizetype d = format.indexOf(QLatin1Char('d'));
    const qsizetype m = format.indexOf(QLatin1Char('M'));
    const qsizetype y = format.indexOf(QLatin1Char('y'));
    if (y < d && y < m) {
        return {Field::Year, Field::Month, Field::Day};
    }
    if (m < d) {
        return {Field::Month, Field::Day, Field::Year};
    }
    return {Field::Day, Field::Month, Field::Year};
}

struct TimeOfText {
    int hour = 0, minute = 0, second = 0;
    bool valid = true;
};

TimeOfText parseTime(QString text) {
    TimeOfText time;
    text = text.trimmed();
    if (text.isEmpty()) {
        return time;
    }
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*([AaPp]\\.?\\s*[Mm]\\.?)?$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch()) {
        time.valid = false;
        return time;
    }
    time.hour = match.captured(1).toInt();
    time.minute = match.captured(2).toInt();
    time.second = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const QString ampm = match.captured(4).toUpper();
    if (!ampm.isEmpty()) {
        if (time.hour < 1 || time.hour > 12) {
            time.valid = false;
        }
        time.hour = time.hour % 12 + (ampm.startsWith(QLatin1Char('P')) ? 12 : 0);
    }
    time.valid = time.valid && time.hour < 24 && time.minute < 60 && time.second < 60;
    return time;
}

bool assignFields(const QStringList& fields, const std::array<Field, 3>& order, int& day,
                  int& month, int& year) {
    bool ok[3] = {};
    const int values[3] = {fields[0].toInt(&ok[0]), fields[1].toInt(&ok[1]),
                           fields[2].toInt(&ok[2])};
    if (!ok[0] || !ok[1] || !ok[2]) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        (order[i] == Field::Day ? day : order[i] == Field::Month ? month : year) = values[i];
    }
    if (fields[2].size() <= 2 && order[2] == Field::Year) {
        year += year < 30 ? 2000 : 1900;
    }
    return true;
}

std::optional<DateValue> buildDate(int day, int month, int year, const TimeOfText& time) {
    if (!time.valid || !QDate::isValid(year, month, day) || year < 100 || year > 9999) {
        return std::nullopt;
    }
    return makeDateTime({year, month, day, time.hour, time.minute, time.second});
}

std::optional<DateValue> timeOnly(const QString& text) {
    const TimeOfText time = parseTime(text);
    if (!time.valid) {
        return std::nullopt;
    }
    return makeTime(time.hour, time.minute, time.second);
}

QString padded(long long n, int width) {
    return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

// One more than a whole number written in decimal digits ("199" gives "200", "" gives "1").
QString plusOne(QString digits) {
    qsizetype i = digits.size() - 1;
    for (; i >= 0 && digits.at(i) == QLatin1Char('9'); --i) {
        digits[i] = QLatin1Char('0');
    }
    if (i < 0) {
        return QLatin1Char('1') + digits;
    }
    digits[i] = QChar(digits.at(i).unicode() + 1);
    return digits;
}

// The digits of |value| x 10^decimals as a whole number, rounded on the value's 15 significant
// decimal digits (as it prints), halves away from zero, so 2.675 gives "268" with two decimals.
// Kept as text, so values beyond any integer type come out whole (zeros after 15 digits).
QString scaledDigits(double value, int decimals) {
    const QString scientific = QString::number(std::fabs(value), 'e', kSignificantDigits - 1);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const QString mantissa = scientific.left(e).remove(QLatin1Char('.'));
    const int kept = scientific.mid(e + 1).toInt() + 1 + decimals;
    if (kept < 0) {
        return QStringLiteral("0");
    }
    QString digits = mantissa.left(kept).leftJustified(kept, QLatin1Char('0'));
    if (kept < mantissa.size() && mantissa.at(kept).digitValue() >= 5) {
        digits = plusOne(digits);
    }
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0'))) {
        digits.remove(0, 1);
    }
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

} // namespace

QLocale currentLocale() {
    return effectiveLocale();
}

void setLocale(const QLocale& locale) {
    pinnedLocale() = locale;
}

QString shortDateText(DateValue value) {
    const QLocale locale = effectiveLocale();
    return withPlainDigits(locale.toString(toQDate(value), shortDateFormat(locale)));
}

QString longTimeText(DateValue value) {
    const DateParts p = splitDate(value);
    const QLocale locale = effectiveLocale();
    return withPlainDigits(locale.toString(QTime(p.hour, p.minute, p.second), timeFormat(locale)));
}

QString generalDateText(DateValue value) {
    const DateParts p = splitDate(value);
    const bool midnight = p.hour == 0 && p.minute == 0 && p.second == 0;
    if (midnight) {
        return shortDateText(value);
    }
    if (p.year == 1899 && p.month == 12 && p.day == 30) {
        return longTimeText(value);
    }
    return shortDateText(value) + QLatin1Char(' ') + longTimeText(value);
}

QString localMonthName(int month) {
    return effectiveLocale().standaloneMonthName(month, QLocale::LongFormat);
}

QString localWeekdayName(int weekday) {
    const int qtDay = weekday == 1 ? 7 : weekday - 1;
    return effectiveLocale().dayName(qtDay, QLocale::LongFormat);
}

std::optional<DateValue> dateFromText(const QString& text, DateOrder order) {
    const QLocale locale = effectiveLocale();
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    static const QRegularExpression datePattern(QStringLiteral(
        "^([\\p{L}\\d]+)\\s*[/\\-. ]\\s*([\\p{L}\\d]+)\\s*[/\\-. ,]\\s*(\\d+)(.*)$"));
    const auto match = datePattern.match(trimmed);
    if (!match.hasMatch()) {
        return timeOnly(trimmed);
    }
    QStringList fields = {match.captured(1), match.captured(2), match.captured(3)};
    const TimeOfText time = parseTime(match.captured(4));
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 2; ++i) {
        const int named = fields[i].at(0).isLetter() ? monthFromName(fields[i], locale) : -1;
        if (named == 0) {
            return std::nullopt;
        }
        if (named > 0) {
            month = named;
            day = fields[1 - i].toInt();
            year = fields[2].toInt();
            return buildDate(day, month, year, time);
        }
    }
    std::array<Field, 3> fieldOrder = order == DateOrder::DayFirst
                                          ? std::array{Field::Day, Field::Month, Field::Year}
                                          : localeOrder(locale);
    if (fields[0].size() == 4) {
        fieldOrder = {Field::Year, Field::Month, Field::Day};
    }
    if (!assignFields(fields, fieldOrder, day, month, year)) {
        return std::nullopt;
    }
    return buildDate(day, month, year, time);
}

QString formatNumber(double value, const QString& pattern) {
    if (!std::isfinite(value)) {
        return effectiveLocale().toString(value);
    }
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(pattern.size() - point - 1);
    const QString digits = scaledDigits(value, decimals);
    const bool zero = digits == QLatin1String("0");
    if (zero && pattern.startsWith(QLatin1Char('#'))) {
        return QString();
    }
    const qsizetype wholeDigits = std::max<qsizetype>(digits.size() - decimals, 0);
    QString result = wholeDigits > 0 ? digits.left(wholeDigits) : QStringLiteral("0");
    if (decimals > 0) {
        result += effectiveLocale().decimalPoint() +
                  digits.mid(wholeDigits).rightJustified(decimals, QLatin1Char('0'));
    }
    if (value < 0 && !zero) {
        result.prepend(QLatin1Char('-'));
    }
    return result;
}

QString formatDate(DateValue value, const QString& pattern) {
    const DateParts p = splitDate(value);
    const QLocale locale = effectiveLocale();
    static const QRegularExpression token(QStringLiteral("d{1,4}|m{1,4}|y{4}|y{2}"));
    QString result;
    qsizetype last = 0;
    auto it = token.globalMatch(pattern);
    while (it.hasNext()) {
        const auto match = it.next();
        result += pattern.mid(last, match.capturedStart() - last);
        const QString t = match.captured();
        if (t == "d")
            result += QString::number(p.day);
        else if (t == "dd")
            result += padded(p.day, 2);
        else if (t == "ddd")
            result +=
                locale.dayName(QDate(p.year, p.month, p.day).dayOfWeek(), QLocale::ShortFormat);
        else if (t == "dddd")
            result += localWeekdayName(weekdayOf(value));
        else if (t == "m")
            result += QString::number(p.month);
        else if (t == "mm")
            result += padded(p.month, 2);
        else if (t == "mmm")
            result += locale.monthName(p.month, QLocale::ShortFormat);
        else if (t == "mmmm")
            result += localMonthName(p.month);
        else if (t == "yy")
            result += padded(p.year % 100, 2);
        else
            result += QString::number(p.year);
        last = match.capturedEnd();
    }
    return result + pattern.mid(last);
}

} // namespace runtime
