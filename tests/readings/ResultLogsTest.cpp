#include "readings/ResultLogs.h"

#include "shell/ShellState.h"
#include "support/FileSizeLimit.h"
#include "support/TempProgramFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace readings;

namespace {

const QByteArray kBlanks(25, ' ');
const QByteArray kEquals(25, '=');

class ResultLogsTest : public testing::Test {
protected:
    void SetUp() override { shell::resetShellState(); }
    void makeLogsFolder() { ASSERT_TRUE(QDir(folder.path()).mkdir("logs")); }

    testing_support::TempProgramFolder folder;
};

TEST(ResultLogEntries, NameTheCardByItsPictureFileWithTheTypedTextsAsTyped) {
    EXPECT_EQ(numbersEntry(" -1e3 ", 4),
              QStringList({QString(25, ' '), QString(25, '='), "For the number:  -1e3 ",
                           "Resultant Card: emperador4.jpg"}));
    EXPECT_EQ(
        namesEntry({"José", "", "ÑAÑEZ", " de la Cruz"}, 9),
        QStringList({QString(25, ' '), QString(25, '='), "For the first name: José",
                     "For the second name: ", "For the first surname: ÑAÑEZ",
                     "For the second surname:  de la Cruz", "Resultant card: ermitaño9.jpg"}));
}

TEST(ResultLogEntries, OracleEntriesTellTheOrientationOnlyWhileCardsMayTurn) {
    struct Case {
        bool tiradaReal;
        bool inverted;
        const char* suffix;
    };
    const Case cases[] = {{false, false, ""},
                          {false, true, ""},
                          {true, false, " (Normal)"},
                          {true, true, " (Inverted)"}};
    for (const Case& c : cases) {
        EXPECT_EQ(
            oracleSuitEntry("cups", "Will it rain?", "rey-oros.jpg", c.tiradaReal, c.inverted),
            QStringList({QString(22, '-'), "Question for the cups: Will it rain?",
                         QString("Resultant card: rey-oros.jpg") + c.suffix}));
        EXPECT_EQ(oracleGlobalEntry("7/24/2016 12:00:00 PM", "Sunday, July 24 2016", 21,
                                    c.tiradaReal, c.inverted),
                  QStringList({QString(25, '='), "Date of saving: 7/24/2016 12:00:00 PM",
                               "Date for the read: Sunday, July 24 2016",
                               QString("Global resultant card: loco21.jpg") + c.suffix,
                               QString(25, '='), QString(25, ' ')}));
    }
}

TEST(ResultLogs, EachWindowHasItsFileKeyAndQuestion) {
    EXPECT_EQ(kNumbersLog.file, "\\logs\\resNumbers.log");
    EXPECT_EQ(kNumbersLog.key, "LogResNumbers");
    EXPECT_EQ(kNamesLog.file, "\\logs\\resNames.log");
    EXPECT_EQ(kNamesLog.key, "LogResNames");
    EXPECT_EQ(kOracleLog.file, "\\logs\\resOracle.log");
    EXPECT_EQ(kOracleLog.key, "LogResOracle");
    EXPECT_EQ(kNumbersLog.deleteQuestion, "Are you sure to completely delete the results?");
    EXPECT_EQ(kNamesLog.deleteQuestion, kNumbersLog.deleteQuestion);
    EXPECT_EQ(kOracleLog.deleteQuestion,
              "Are you sure to completely delete the results of throws?");
}

TEST_F(ResultLogsTest, OnlyYesTurnsSavingOn) {
    const std::pair<const char*, bool> cases[] = {{"", false},
                                                  {"LogResNumbers=yes\r\n", true},
                                                  {"LogResNumbers= yes \r\n", true},
                                                  {"LogResNumbers=Yes\r\n", false},
                                                  {"LogResNumbers=no\r\n", false},
                                                  {"LogResNumbers=\r\n", false},
                                                  {"LogResNames=yes\r\n", false}};
    for (const auto& [lines, on] : cases) {
        folder.write("opciones.ini", QByteArray("[opciones]\r\n") + lines);
        EXPECT_EQ(saveResultsOn(kNumbersLog), on) << lines;
    }
}

TEST_F(ResultLogsTest, TheSwitchIsWrittenAtOnceAndKeepsTheOtherKeys) {
    folder.write("opciones.ini", "[opciones]\r\ntipocartas=oldones\r\n");
    writeSaveResults(kNamesLog, true);
    EXPECT_TRUE(saveResultsOn(kNamesLog));
    EXPECT_FALSE(saveResultsOn(kNumbersLog)) << "each window has its own key";
    writeSaveResults(kNamesLog, false);
    EXPECT_FALSE(saveResultsOn(kNamesLog));
    const QByteArray ini = folder.read("opciones.ini");
    EXPECT_TRUE(ini.contains("LogResNames=no")) << ini.constData();
    EXPECT_TRUE(ini.contains("tipocartas=oldones")) << ini.constData();
}

TEST_F(ResultLogsTest, EntriesAreAppendedInWindowsTextWithCrLf) {
    makeLogsFolder();
    appendEntry(kNamesLog, namesEntry({"Ñu", "", "", ""}, 9));
    appendEntry(kNamesLog, {"second"});
    EXPECT_EQ(folder.read("logs/resNames.log"),
              kBlanks + "\r\n" + kEquals +
                  "\r\nFor the first name: \xd1u\r\n"
                  "For the second name: \r\nFor the first surname: \r\n"
                  "For the second surname: \r\nResultant card: ermita\xf1o9.jpg\r\nsecond\r\n");
}

TEST_F(ResultLogsTest, WithoutTheLogsFolderNothingIsWrittenAndNoFolderIsMade) {
    appendEntry(kNumbersLog, numbersEntry("5", 5));
    emptyLog(kNumbersLog);
    EXPECT_FALSE(folder.exists("logs"));
}

TEST_F(ResultLogsTest, AnEmptiedLogHoldsOneEmptyLineBeforeTheNextEntry) {
    makeLogsFolder();
    folder.write("logs/resNumbers.log", "old results\r\n");
    emptyLog(kNumbersLog);
    EXPECT_EQ(folder.read("logs/resNumbers.log"), "\r\n");
    appendEntry(kNumbersLog, numbersEntry("994", 22));
    EXPECT_EQ(folder.read("logs/resNumbers.log"),
              "\r\n" + kBlanks + "\r\n" + kEquals +
                  "\r\nFor the number: 994\r\nResultant Card: mundo22.jpg\r\n");
    emptyLog(kOracleLog);
    EXPECT_EQ(folder.read("logs/resOracle.log"), "\r\n") << "a missing log is created";
}

// A disk that fills up in the middle of an entry: the log is left byte for byte as it was, and
// the next entry, once there is room, starts on a line of its own.
TEST_F(ResultLogsTest, OnAFullDiskAnEntryGoesInWholeOrNotAtAll) {
    makeLogsFolder();
    appendEntry(kNumbersLog, numbersEntry("994", 22));
    const QByteArray before = folder.read("logs/resNumbers.log");
    const QStringList entry = numbersEntry("12345", 15);
    const qint64 entrySize = entry.join("\r\n").size() + 2;
    for (const qint64 room : {qint64(0), qint64(30), entrySize - 1}) {
        {
            testing_support::FileSizeLimit full(before.size() + room);
            if (!full.holds()) {
                GTEST_SKIP() << "the file size limit cannot be set";
            }
            appendEntry(kNumbersLog, entry);
        }
        EXPECT_EQ(folder.read("logs/resNumbers.log"), before) << room << " bytes of room";
    }
    appendEntry(kNumbersLog, entry);
    EXPECT_EQ(folder.read("logs/resNumbers.log"),
              before + kBlanks + "\r\n" + kEquals +
                  "\r\nFor the number: 12345\r\nResultant Card: diablo15.jpg\r\n");
}

// A log cut in the middle of a line (by a full disk before entries went in whole, or by hand):
// the next entry still starts on a line of its own.
TEST_F(ResultLogsTest, AnEntryAfterALineCutShortStartsOnItsOwnLine) {
    makeLogsFolder();
    folder.write("logs/resOracle.log", "----------------------\r\nQuestion for the cu");
    appendEntry(kOracleLog, {"next"});
    EXPECT_EQ(folder.read("logs/resOracle.log"),
              "----------------------\r\nQuestion for the cu\r\nnext\r\n");
}

} // namespace
