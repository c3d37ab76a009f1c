#include "biorhythms/Profiles.h"

#include "biorule/BioState.h"
#include "platform/IniFile.h"
#include "runtime/Ansi.h"
#include "runtime/ProgramFolder.h"
#include "runtime/TextFile.h"

#include <QDate>
#include <QFile>

#include <array>

namespace biorhythms {
namespace {

const std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};

std::optional<int> plainNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString profilesPath() {
    return runtime::programPath(QStringLiteral("\\perfiles.txt"));
}

QStringList profileLines() {
    QStringList lines = runtime::readLines(profilesPath()).value_or(QStringList());
    lines.removeAll(QString());
    return lines;
}

std::optional<Profile> parseProfile(const QString& line) {
    const QStringList fields = line.split(QLatin1Char(','));
    if (fields.size() < 3) {
        return std::nullopt;
    }
    const QStringList date = fields[1].split(QLatin1Char('/'));
    if (date.size() < 3) {
        return std::nullopt;
    }
    return Profile{fields[0], date[0], date[1], date[2], fields[2]};
}

std::vector<Profile> readProfiles() {
    std::vector<Profile> profiles;
    for (const QString& line : profileLines()) {
        if (auto profile = parseProfile(line)) {
            profiles.push_back(*profile);
        }
    }
    return profiles;
}

std::optional<QStringList> profileLinesWithout(const QString& line) {
    std::optional<QStringList> lines = runtime::readLines(profilesPath());
    if (lines) {
        lines->removeAll(line);
    }
    return lines;
}

std::optional<QString> lastProfileLine(const QString& name) {
    const QStringList lines = profileLines();
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (line->section(QLatin1Char(','), 0, 0) == name) {
            return *line;
        }
    }
    return std::nullopt;
}

bool replaceProfilesFile(const QString& tempPath) {
    const std::optional<QStringList> lines = runtime::readLines(tempPath);
    const bool replaced = lines && runtime::writeLines(profilesPath(), *lines);
    QFile::remove(tempPath);
    return replaced;
}

QString profileRecord(const Profile& profile) {
    return profile.name + QLatin1Char(',') + profile.month + QLatin1Char('/') + profile.day +
           QLatin1Char('/') + profile.year + QLatin1Char(',') + profile.time;
}

std::optional<QString> profileNameFault(const QString& name) {
    if (name.contains(QLatin1Char(','))) {
        return QStringLiteral("The name can not contain a comma.");
    }
    if (platform::holdsControlCharacter(name)) {
        return QStringLiteral(
            "The name can not contain a line break or another control character.");
    }
    const QString foreign = runtime::nonAnsiCharacters(name);
    if (!foreign.isEmpty()) {
        return QStringLiteral("The name can not contain \"%1\".").arg(foreign);
    }
    return std::nullopt;
}

bool editableProfileLine(const QString& line) {
    return profileBirth(line, kEditableYears).has_value();
}

std::optional<int> monthNumber(const QString& monthName) {
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (monthName == QLatin1String(kMonths[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

QString englishMonthName(int month) {
    if (month < 1 || month > 12) {
        return QString();
    }
    return QString::fromLatin1(kMonths[static_cast<std::size_t>(month - 1)]);
}

void MonthToNumber(const QString& monthName) {
    if (const auto month = monthNumber(monthName)) {
        bioState().mesNumero = QString::number(*month);
    }
}

std::optional<ProfileDate> profileDate(const Profile& profile) {
    const auto month = monthNumber(profile.month);
    const auto day = plainNumber(profile.day);
    const auto year = plainNumber(profile.year);
    if (!month || !day || !year || !QDate::isValid(*year, *month, *day)) {
        return std::nullopt;
    }
    return ProfileDate{*year, *month, *day};
}

std::optional<ProfileTime> profileTime(const QString& time) {
    const QStringList parts = time.split(QLatin1Char(':'));
    if (parts.size() != 2) {
        return std::nullopt;
    }
    const auto hour = plainNumber(parts[0]);
    const auto minute = plainNumber(parts[1]);
    if (!hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) {
        return std::nullopt;
    }
    return ProfileTime{*hour, *minute};
}

std::optional<ProfileBirth> profileBirth(const QString& line, YearRange years) {
    const auto profile = parseProfile(line);
    if (!profile || line.count(QLatin1Char(',')) != 2 ||
        line.section(QLatin1Char(','), 1, 1).count(QLatin1Char('/')) != 2) {
        return std::nullopt;
    }
    const auto date = profileDate(*profile);
    const auto time = profileTime(profile->time);
    if (!date || !time || !years.contains(date->year)) {
        return std::nullopt;
    }
    return ProfileBirth{*date, *time};
}

} // namespace biorhythms
