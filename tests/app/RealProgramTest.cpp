// The built program itself, started as a shell starts it, on a private X server, used through
// the real pointer and keyboard (XTest): with something else in place of its files, and under a
// file size limit (ulimit -f) with the signal of that limit at its default, as administrators and
// service managers leave it.
#include "support/RealProgram.h"
#include "support/NonFiles.h"
#include "support/TempProgramFolder.h"
#include "support/tray/XEmbedTray.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

using namespace testing_support;

namespace {

// Long enough for a write that goes past the limit to end the program, were it to.
constexpr int kSettleMs = 1500;

const QByteArray kBirthDate = "1,3,1980\r\n"; // no welcome notice slides up meanwhile

} // namespace

// Pipes, devices and folders in place of the settings and birth data files read at start: the
// start window comes up as without them, and none of them is written through.
class StartsInPlaceOfItsFiles : public testing::TestWithParam<NonFile> {};

TEST_P(StartsInPlaceOfItsFiles, AndShowsItsWindow) {
    TempProgramFolder folder;
    installBuiltProgram(folder.path());
    std::vector<std::unique_ptr<NonFileAt>> files;
    for (const char* file : {"opciones.ini", "bio.dat", "horabio.dat"}) {
        files.push_back(std::make_unique<NonFileAt>(GetParam(), folder.file(file)));
        ASSERT_TRUE(files.back()->made()) << file;
    }
    RealProgram program(folder.path(), std::nullopt);
    EXPECT_NE(program.windowShown("The Card of Day..."), 0U) << program.report();
    EXPECT_TRUE(program.runningAfter(0)) << program.report();
    for (const auto& file : files) {
        EXPECT_TRUE(file->unchanged());
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, StartsInPlaceOfItsFiles, kNonFiles,
                         [](const testing::TestParamInfo<NonFile>& kind) {
                             return nonFileName(kind.param);
                         });

// A file size limit that leaves no room for the lock: the lock is unavailable, which only costs
// the refusal of a second start, and the program comes up as it does with room.
TEST(UnderAFileSizeLimit, TheStartWindowComesUpWithoutTheLock) {
    QStringList withRoom;
    for (const std::optional<qint64> limit : {std::optional<qint64>(), std::optional<qint64>(2)}) {
        TempProgramFolder folder;
        installBuiltProgram(folder.path());
        folder.write("bio.dat", kBirthDate);
        RealProgram program(folder.path(), limit);
        ASSERT_NE(program.windowShown("The Card of Day..."), 0U) << program.report();
        ASSERT_TRUE(program.runningAfter(kSettleMs)) << program.report();
        if (!limit) {
            withRoom = program.visibleWindows();
            continue;
        }
        EXPECT_EQ(program.visibleWindows(), withRoom);
        EXPECT_NE(program.report().find("cannot lock"), std::string::npos) << program.report();
        EXPECT_EQ(folder.read("bio.dat"), kBirthDate);
    }
}

// Options, chosen from the tray menu, writes every setting back as it opens: each write that
// goes past the limit fails as on a full disk, the window opens, and the file holds only whole
// writes, each of which the program also makes with room.
TEST(UnderAFileSizeLimit, OptionsOpensAndTheSettingsStayWhole) {
    Trayer tray;
    ASSERT_TRUE(tray.ready()) << "trayer did not take the tray";
    const QByteArray before = "[opciones]\r\nTirada=real\r\nIniciar Minimizado=True\r\n";
    constexpr qint64 kLimit = 100;
    QStringList withRoom;
    QList<QByteArray> linesWithRoom;
    for (const std::optional<qint64> limit : {std::optional<qint64>(), std::optional(kLimit)}) {
        TempProgramFolder folder;
        installBuiltProgram(folder.path());
        folder.write("opciones.ini", before);
        folder.write("bio.dat", kBirthDate);
        RealProgram program(folder.path(), limit);
        ASSERT_TRUE(program.chooseFromTrayMenu(2)) // "About...", "Options"
            << "the icon did not dock: " << program.report();
        ASSERT_NE(program.windowShown("Options"), 0U) << program.report();
        ASSERT_TRUE(program.runningAfter(kSettleMs)) << program.report();
        const QByteArray after = folder.read("opciones.ini");
        if (!limit) {
            withRoom = program.visibleWindows();
            linesWithRoom = after.split('\n');
            ASSERT_GT(after.size(), kLimit) << "the test needs writes past the limit";
            continue;
        }
        EXPECT_EQ(program.visibleWindows(), withRoom);
        EXPECT_LE(after.size(), kLimit);
        EXPECT_TRUE(after.startsWith(before)) << after.toStdString();
        EXPECT_TRUE(after.endsWith("\r\n")) << after.toStdString();
        for (const QByteArray& line : after.split('\n')) {
            EXPECT_TRUE(linesWithRoom.contains(line)) << line.toStdString();
        }
    }
}

// "Submit" with "Save results" on, where the entry does not fit under the limit: the reading is
// shown as with room, and the log is taken back to what it held.
TEST(UnderAFileSizeLimit, ANumbersEntryThatDoesNotFitIsTakenBack) {
    const QByteArray emptied = "\r\n"; // as "Delete results" leaves it
    const QByteArray entry = "                         \r\n=========================\r\n"
                             "For the number: 123\r\nResultant Card: amantes6.jpg\r\n";
    QImage shownWithRoom;
    QStringList withRoom;
    for (const std::optional<qint64> limit : {std::optional<qint64>(), std::optional<qint64>(40)}) {
        TempProgramFolder folder;
        installBuiltProgram(folder.path(), {"imagenes"});
        folder.write("opciones.ini", "[opciones]\r\nM\xf3"
                                     "dulo Inicial=Numbers\r\nLogResNumbers=yes\r\n");
        folder.write("bio.dat", kBirthDate);
        folder.write("logs/resNumbers.log", emptied);
        RealProgram program(folder.path(), limit);
        const WId window = program.windowShown("Numbers");
        ASSERT_NE(window, 0U) << program.report();
        const QImage unanswered = pictureOf(window);
        ASSERT_TRUE(runTool("xdotool", {"windowfocus", "--sync", QString::number(window)}));
        ASSERT_TRUE(runTool("xdotool", {"type", "--delay", "50", "123"}));
        ASSERT_TRUE(typeKeys({"Tab", "Tab", "space"})); // on to "Submit", and press it
        ASSERT_TRUE(program.runningAfter(kSettleMs)) << program.report();
        const QImage shown = pictureOf(window);
        EXPECT_NE(shown, unanswered) << "the reading was not shown";
        if (!limit) {
            ASSERT_EQ(folder.read("logs/resNumbers.log"), emptied + entry);
            shownWithRoom = shown;
            withRoom = program.visibleWindows();
            continue;
        }
        EXPECT_EQ(folder.read("logs/resNumbers.log"), emptied);
        EXPECT_EQ(shown, shownWithRoom) << "the window shows the reading as it does with room";
        EXPECT_EQ(program.visibleWindows(), withRoom);
    }
}
