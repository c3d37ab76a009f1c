#include "biorhythms/Profiles.h"
#include "biorule/BioState.h"

#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace biorhythms {
namespace {

TEST(ProfilesFile, ReadsNonEmptyLinesInOrderAndSkipsDamagedOnes) {
    testing_support::TempProgramFolder folder;
    folder.write(QStringLiteral("perfiles.txt"), "Ana,March/5/1980,7:05\r\n"
                                                 "\r\n"
                                                 "broken line\r\n"
                                                 "Luis,May/1980,7:05\r\n"
                                                 "Eva,December/31/1999,23:5\r\n");
    EXPECT_EQ(profileLines(),
              (QStringList{QStringLiteral("Ana,March/5/1980,7:05"), QStringLiteral("broken line"),
                           QStringLiteral("Luis,May/1980,7:05"),
                           QStringLiteral("Eva,December/31/1999,23:5")}));
    const std::vector<Profile> profiles = readProfiles();
    ASSERT_EQ(profiles.size(), 2U);
    EXPECT_EQ(profiles[0].name, QStringLiteral("Ana"));
    EXPECT_EQ(profiles[0].month, QStringLiteral("March"));
    EXPECT_EQ(profiles[0].day, QStringLiteral("5"));
    EXPECT_EQ(profiles[0].year, QStringLiteral("1980"));
    EXPECT_EQ(profiles[0].time, QStringLiteral("7:05"));
    EXPECT_EQ(profiles[1].name, QStringLiteral("Eva"));
}

TEST(ProfilesFile, MissingFileHasNoProfiles) {
    testing_support::TempProgramFolder folder;
    EXPECT_TRUE(profileLines().isEmpty());
    EXPECT_TRUE(readProfiles().empty());
}

TEST(ProfilesFile, RecordRoundTripsThroughTheParser) {
    const Profile ana{QStringLiteral("Ana María"), QStringLiteral("March"), QStringLiteral("5"),
                      QStringLiteral("1980"), QStringLiteral("7:5")};
    EXPECT_EQ(profileRecord(ana), QStringLiteral("Ana María,March/5/1980,7:5"));
    const auto back = parseProfile(profileRecord(ana));
    ASSERT_TRUE(back);
    EXPECT_EQ(profileRecord(*back), profileRecord(ana));
}

TEST(ProfilesFile, NamesWithACommaAControlCharacterOrOutsideWindows1252AreRefused) {
    for (const char* stored : {"Ana", "Ana / Luis", "José Œuvre €", "Who?"}) {
        EXPECT_FALSE(profileNameFault(QString::fromUtf8(stored))) << stored;
    }
    struct Case {
        const char* name;
        const char* fault;
    };
    const char* const kControl =
        "The name can not contain a line break or another control character.";
    const Case refused[] = {{"Ana, Luis", "The name can not contain a comma."},
                            {"Łukasz Łoś", "The name can not contain \"Łś\"."},
                            {"Ωmega, Ω", "The name can not contain a comma."},
                            {"Ana\nLuis", kControl},
                            {"Ana\r", kControl},
                            {"Ana\tLuis", kControl},
                            {"\xc2\x81", kControl}};
    for (const Case& c : refused) {
        EXPECT_EQ(profileNameFault(QString::fromUtf8(c.name)), QString::fromUtf8(c.fault));
    }
}

TEST(ProfilesFile, TheEditorTakesWholeLinesOnly) {
    for (const char* line : {"Ana,March/5/1980,7:05", "Ana,March/05/1980, 7:5", ",May/1/100,0:0"}) {
        EXPECT_TRUE(editableProfileLine(QString::fromLatin1(line))) << line;
    }
    for (const char* line : {"", "Ana", "Ana,March/5/1980,7:05,", "Ana,March/5/1980,7",
                             "Ana,March/5/99,7:05", "Ana,March/5/1980/1,7:05"}) {
        EXPECT_FALSE(editableProfileLine(QString::fromLatin1(line))) << line;
    }
}

// The Biorhythms window takes a birth only from the years of its bars.
TEST(ProfilesFile, ABirthReadsWithinTheYearsGivenOnly) {
    struct Case {
        const char* line;
        bool shown;    // in the Biorhythms window's years
        bool editable; // in the editor's
    };
    const Case cases[] = {
        {"Old,December/31/1899,9:30", false, true}, {"Ana,January/1/1900,0:0", true, true},
        {"Ana,December/31/2100,23:59", true, true}, {"New,January/1/2101,9:30", false, true},
        {"Old,March/5/1850,9:30", false, true},     {"Ana,February/29/1900,7:05", false, false},
        {"Ana,March/5/1980,7:60", false, false},    {"Ana,March/5/1980", false, false},
    };
    for (const Case& c : cases) {
        const QString line = QString::fromLatin1(c.line);
        EXPECT_EQ(profileBirth(line, kBioYears).has_value(), c.shown) << c.line;
        EXPECT_EQ(editableProfileLine(line), c.editable) << c.line;
    }
    const auto birth = profileBirth(QStringLiteral("Ana,March/05/1980, 7:5"), kBioYears);
    ASSERT_TRUE(birth);
    EXPECT_EQ(std::tie(birth->date.year, birth->date.month, birth->date.day, birth->time.hour,
                       birth->time.minute),
              std::make_tuple(1980, 3, 5, 7, 5));
}

TEST(ProfilesFile, TheLastLineOfANameStandsForIt) {
    testing_support::TempProgramFolder folder;
    folder.write(QStringLiteral("perfiles.txt"), "Ana,March/5/1980,7:05\r\n"
                                                 "Anabel,May/1/1990,0:0\r\n"
                                                 "Ana,Smarch/5/1980,x\r\n"
                                                 "\r\n"
                                                 "broken\r\n");
    EXPECT_EQ(lastProfileLine(QStringLiteral("Ana")), QStringLiteral("Ana,Smarch/5/1980,x"));
    EXPECT_EQ(lastProfileLine(QStringLiteral("Anabel")), QStringLiteral("Anabel,May/1/1990,0:0"));
    EXPECT_EQ(lastProfileLine(QStringLiteral("broken")), QStringLiteral("broken"));
    EXPECT_FALSE(lastProfileLine(QStringLiteral("An")));
    EXPECT_FALSE(lastProfileLine(QString())) << "the empty line is no profile";
}

TEST(MonthToNumber, ExactEnglishNamesOnly) {
    resetBioState();
    struct Case {
        const char* name;
        const char* mesNumero; // after the call, starting from "7"
    };
    const Case cases[] = {{"January", "1"}, {"September", "9"}, {"December", "12"}, {"march", "7"},
                          {"Marzo", "7"},   {"", "7"},          {"March ", "7"}};
    for (const Case& c : cases) {
        bioState().mesNumero = QStringLiteral("7");
        MonthToNumber(QString::fromUtf8(c.name));
        EXPECT_EQ(bioState().mesNumero, QString::fromLatin1(c.mesNumero)) << c.name;
    }
    EXPECT_EQ(englishMonthName(3), QStringLiteral("March"));
    EXPECT_EQ(englishMonthName(13), QString());
    resetBioState();
}

TEST(ProfileFields, DatesAreCheckedAsCalendarDates) {
    const auto date = [](const char* line) {
        return profileDate(*parseProfile(QString::fromLatin1(line)));
    };
    const auto leap = date("A,February/29/2000,7:05");
    ASSERT_TRUE(leap);
    EXPECT_EQ(leap->year, 2000);
    EXPECT_EQ(leap->month, 2);
    EXPECT_EQ(leap->day, 29);
    EXPECT_FALSE(date("A,February/29/1999,7:05"));
    EXPECT_FALSE(date("A,Febrero/2/1999,7:05"));
    EXPECT_FALSE(date("A,March/x/1999,7:05"));
}

TEST(ProfileFields, TimesWithOrWithoutLeadingZeroMinute) {
    struct Case {
        const char* text;
        int hour;
        int minute;
    };
    const Case good[] = {{"7:05", 7, 5},    {"7:5", 7, 5}, {"12:00", 12, 0},
                         {"17:30", 17, 30}, {"0:0", 0, 0}, {"23:59", 23, 59}};
    for (const Case& c : good) {
        const auto time = profileTime(QString::fromLatin1(c.text));
        ASSERT_TRUE(time) << c.text;
        EXPECT_EQ(time->hour, c.hour) << c.text;
        EXPECT_EQ(time->minute, c.minute) << c.text;
    }
    for (const char* bad : {"24:00", "7:60", "7", "7:05:00", "a:b", ""}) {
        EXPECT_FALSE(profileTime(QString::fromLatin1(bad))) << bad;
    }
}

} // namespace
} // namespace biorhythms
