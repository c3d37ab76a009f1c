#include "signs/SignPeriods.h"

#include "runtime/ProgramFolder.h"
#include "runtime/SystemFormats.h"
#include "runtime/TextFile.h"

#include <QFileInfo>

#include <array>
#include <vector>

namespace readings {
namespace {

constexpr std::array<const char*, kSigns> kPeriodFiles = {
    "aries.txt", "tauro.txt",    "geminis.txt",   "cancer.txt",      "leo.txt",     "virgo.txt",
    "libra.txt", "escorpio.txt", "sagitario.txt", "capricornio.txt", "acuario.txt", "piscis.txt"};

bool holds(const SignPeriod& period, runtime::DateValue moment) {
    const double at = runtime::toLinearDays(moment);
    return runtime::toLinearDays(period.start) <= at && at <= runtime::toLinearDays(period.end);
}

bool sameDayAndMonth(runtime::DateValue a, runtime::DateValue b) {
    const runtime::DateParts x = runtime::splitDate(a);
    const runtime::DateParts y = runtime::splitDate(b);
    return x.day == y.day && x.month == y.month;
}

// The periods of one file as last read, and what they were read from. A table is read again when
// its file or the locale (whose date order reads the lines) changes.
struct ReadTable {
    QDateTime modified;
    qint64 size = -1;
    QString locale;
    std::vector<SignPeriod> periods;
};

std::vector<SignPeriod> readPeriods(const QString& path, runtime::Integer sign) {
    std::vector<SignPeriod> periods;
    const auto lines = runtime::readLines(path);
    if (!lines) {
        return periods;
    }
    for (const QString& line : *lines) {
        if (line.isEmpty()) {
            break;
        }
        if (const auto period = parseSignPeriod(line, sign)) {
            periods.push_back(*period);
        }
    }
    return periods;
}

const std::vector<SignPeriod>& periodsOf(runtime::Integer sign, const QString& locale) {
    static std::array<ReadTable, kSigns> tables;
    ReadTable& table = tables[sign];
    const QString path = signPeriodFile(sign);
    const QFileInfo file(path);
    const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();
    const qint64 size = file.exists() ? file.size() : -1;
    if (modified != table.modified || size != table.size || locale != table.locale) {
        table = {modified, size, locale, readPeriods(path, sign)};
    }
    return table.periods;
}

} // namespace

QString signPeriodFile(runtime::Integer sign) {
    if (sign < 0 || sign >= kSigns) {
        return QString();
    }
    return runtime::programPath(QStringLiteral("\\fechas-db\\") +
                                QLatin1String(kPeriodFiles[sign]));
}

std::optional<SignPeriod> parseSignPeriod(const QString& line, runtime::Integer sign) {
    const qsizetype dash = line.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        return std::nullopt;
    }
    const auto start = runtime::dateFromText(line.left(dash));
    const auto end = runtime::dateFromText(line.mid(dash + 1));
    if (!start || !end) {
        return std::nullopt;
    }
    return SignPeriod{sign, *start, *end};
}

std::optional<SignPeriod> findSignPeriod(runtime::DateValue universal) {
    const QString locale = runtime::currentLocale().name();
    for (runtime::Integer sign = 0; sign < kSigns; ++sign) {
        for (const SignPeriod& period : periodsOf(sign, locale)) {
            if (holds(period, universal)) {
                return period;
            }
        }
    }
    return std::nullopt;
}

std::optional<runtime::DateValue> signChangeOn(const SignPeriod& period, runtime::DateValue today) {
    if (sameDayAndMonth(period.start, today)) {
        return period.start;
    }
    if (sameDayAndMonth(period.end, today)) {
        return period.end;
    }
    return std::nullopt;
}

QString periodRangeText(const SignPeriod& period) {
    const QString pattern = QStringLiteral("mmmm d");
    return runtime::formatDate(period.start, pattern) + QLatin1Char('/') +
           runtime::formatDate(period.end, pattern);
}

QString seasonText(int month, bool southernHemisphere) {
    const char* season = nullptr;
    switch (month) {
    case 3:
        season = southernHemisphere ? "Autumn" : "Spring";
        break;
    case 6:
        season = southernHemisphere ? "Winter" : "Summer";
        break;
    case 9:
        season = southernHemisphere ? "Spring" : "Autumn";
        break;
    case 12:
        season = southernHemisphere ? "Summer" : "Winter";
        break;
    default:
        return QString();
    }
    return QStringLiteral("At this time begins the %1!").arg(QLatin1String(season));
}

QString signChangeMessage(const QString& fechaLocal, const QString& horaLocal,
                          const QString& season) {
    return QStringLiteral("Change of sign along the day ") + fechaLocal + QStringLiteral(" at ") +
           horaLocal + QStringLiteral(" (local time).\r\n") + season;
}

} // namespace readings
