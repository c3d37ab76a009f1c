#pragma once

#include "biorule/BirthData.h"
#include "runtime/DateValue.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace biorhythms {

// "perfiles.txt" in the program folder: one profile a line, "name,Month/day/year,h:m".
QString profilesPath();
// Said when the file could not be written.
inline const QString kProfileNotSaved = QStringLiteral("The profile could not be saved.");

// One profile line split into its texts as stored ("Ana", "March", "5", "1980", "7:05").
struct Profile {
    QString name;
    QString month;
    QString day;
    QString year;
    QString time;
};

// The non-empty lines of the file, whole, in file order; none when the file is missing.
QStringList profileLines();
// A line with fewer than three fields or a date without two "/" is damaged: nothing.
std::optional<Profile> parseProfile(const QString& line);
// The well-formed profiles of the file, in file order; damaged lines are passed over.
std::vector<Profile> readProfiles();

// The lines of the file except every copy of `line`, in order; nothing when it cannot be read.
std::optional<QStringList> profileLinesWithout(const QString& line);
// The last line whose name is `name`, the one that stands for that name; nothing when none is.
std::optional<QString> lastProfileLine(const QString& name);
// Puts the fully written temporary file in place of the profiles file in one step (the file is
// never left half-written) and removes the temporary file.
bool replaceProfilesFile(const QString& tempPath);

// The record a profile is stored as.
QString profileRecord(const Profile& profile);
// Why a name cannot be stored, or nothing when it can: a "," would split the record's fields, a
// line break its line (the settings file keeps the name too, on one line), and a character
// outside Windows-1252 would reach the file as "?", a name found in no line.
std::optional<QString> profileNameFault(const QString& name);

// A line the editor can show whole: three fields, a real date within the years of its date
// picker and a time. Anything else would come back from the editor with its defaults in place
// of what the line held.
inline constexpr YearRange kEditableYears{runtime::kFirstYear, runtime::kLastYear};
bool editableProfileLine(const QString& line);

// 1..12 for "January".."December" (exact and case-sensitive), else nothing.
std::optional<int> monthNumber(const QString& monthName);
// "January".."December" for 1..12, else "".
QString englishMonthName(int month);
// Sets the shared mesNumero to the month's number; any other text leaves it as it was.
void MonthToNumber(const QString& monthName);

// The birth date as a checked calendar date (year, month, day), nothing for a damaged one.
struct ProfileDate {
    int year = 0;
    int month = 0;
    int day = 0;
};
std::optional<ProfileDate> profileDate(const Profile& profile);

// The birth time "h:m" or "h:mm" as hour 0..23 and minute 0..59, nothing for a damaged one.
struct ProfileTime {
    int hour = 0;
    int minute = 0;
};
std::optional<ProfileTime> profileTime(const QString& time);

// The birth of a line whose every part reads: three fields, a real date with its year in
// `years` and a time; nothing for any other line.
struct ProfileBirth {
    ProfileDate date;
    ProfileTime time;
};
std::optional<ProfileBirth> profileBirth(const QString& line, YearRange years);

} // namespace biorhythms
