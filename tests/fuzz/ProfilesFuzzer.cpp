// "perfiles.txt" as the user may leave it: every reader of a line takes it apart without harm;
// a line the editor accepts is written back by it as the same profile; deleting a line takes
// every copy of it and nothing else.

#include "FuzzSupport.h"

#include "biorhythms/Profiles.h"
#include "biorule/BioRule.h"
#include "runtime/SystemFormats.h"

using biorhythms::Profile;

namespace {

void readAsEveryWindowDoes(const Profile& profile) {
    biorhythms::MonthToNumber(profile.month);
    biorhythms::profileNameFault(profile.name);
    runtime::dateFromText(profile.time);
    if (const auto date = biorhythms::profileDate(profile)) {
        biorhythms::dayMonthYearDate(
            biorhythms::dayMonthYearText(date->day, date->month, date->year));
    }
}

// What the editor's Submit writes for a line it showed: the same date and time.
void editorKeepsTheProfile(const QString& line) {
    const Profile shown = *biorhythms::parseProfile(line);
    const auto date = biorhythms::profileDate(shown);
    const auto time = biorhythms::profileTime(shown.time);
    const QString rewritten = biorhythms::profileRecord(
        Profile{shown.name, biorhythms::englishMonthName(date->month), QString::number(date->day),
                QString::number(date->year),
                QString::number(time->hour) + QLatin1Char(':') + QString::number(time->minute)});
    fuzzing::require(biorhythms::editableProfileLine(rewritten), "the rewritten line is whole");
    const Profile back = *biorhythms::parseProfile(rewritten);
    const auto backDate = biorhythms::profileDate(back);
    const auto backTime = biorhythms::profileTime(back.time);
    fuzzing::require(back.name == shown.name && backDate->year == date->year &&
                         backDate->month == date->month && backDate->day == date->day &&
                         backTime->hour == time->hour && backTime->minute == time->minute,
                     "the editor writes back the profile it showed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    fuzzing::writeProgramFile(QStringLiteral("perfiles.txt"), data, size);
    const QStringList lines = biorhythms::profileLines();
    for (const QString& line : lines) {
        fuzzing::require(!line.isEmpty(), "empty lines are skipped");
        if (const auto profile = biorhythms::parseProfile(line)) {
            readAsEveryWindowDoes(*profile);
        }
        if (biorhythms::editableProfileLine(line)) {
            editorKeepsTheProfile(line);
        }
    }
    for (const Profile& profile : biorhythms::readProfiles()) {
        readAsEveryWindowDoes(profile);
    }
    if (!lines.isEmpty()) {
        const auto kept = biorhythms::profileLinesWithout(lines.first());
        fuzzing::require(kept.has_value(), "the file reads");
        fuzzing::require(!kept->contains(lines.first()), "every copy of the line goes");
        fuzzing::require(kept->size() + lines.count(lines.first()) >=
                             static_cast<qsizetype>(lines.size()),
                         "the other lines stay");
    }
    return 0;
}
