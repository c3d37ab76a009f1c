#include "app/StartProgram.h"

#include "app/Windows.h"
#include "forms/Forms.h"
#include "platform/InstanceLock.h"
#include "shell/Notif.h"
#include "shell/ProgramEnd.h"
#include "shell/ShellState.h"
#include "support/DrawnBoxes.h"
#include "support/EnvironmentVariable.h"
#include "support/FakeClock.h"
#include "support/FakeMusicPlayer.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTimeZone.h"
#include "support/FakeTray.h"
#include "support/ReadOnlyFolder.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

using forms::Forms;
using platform::InstanceLock;

// The real start procedure on a temporary program folder, its lock in a cache folder of the test
// (no session runtime folder), every box drawn for real.
class StartProgramTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        shell::Notif::setSlideDuration(0);
        shell::setProgramEnd([this] { ++programEnds; });
        app::registerWindows();
        folder.write("bio.dat", "1,1,1900\r\n");
    }
    void TearDown() override {
        Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell::setProgramEnd(nullptr);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
    }

    void expectStartedWithoutABox(const testing_support::DrawnBoxes& drawn) const {
        EXPECT_TRUE(drawn.shown.empty()) << drawn.shown.front().text.toStdString();
        EXPECT_TRUE(Forms::instance().isLoaded("FrmTimer"));
        EXPECT_TRUE(Forms::instance().isLoaded("FrmCartaDia"));
        EXPECT_EQ(programEnds, 0);
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeMusicPlayer music;
    testing_support::FakeShell desktop;
    testing_support::FakeTimeZone zone{0, 0, 0};
    testing_support::FakeClock clock{runtime::makeDateTime({2016, 7, 24, 12, 0, 0})};
    QTemporaryDir home;
    const QString cache = home.filePath(".cache");
    const testing_support::EnvironmentVariable noRuntime{"XDG_RUNTIME_DIR", std::nullopt};
    const testing_support::EnvironmentVariable cacheHome{"XDG_CACHE_HOME", cache};
    int programEnds = 0;
};

TEST_F(StartProgramTest, ASecondInstanceOnTheSameFolderIsRefusedWithAMessage) {
    InstanceLock first(folder.path());
    ASSERT_EQ(first.acquire(), InstanceLock::Outcome::Taken);

    testing_support::DrawnBoxes drawn;
    EXPECT_FALSE(app::startProgram());
    ASSERT_EQ(drawn.shown.size(), 1U);
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
    EXPECT_EQ(drawn.shown[0].text, exeName + ".EXE is already running!");
    EXPECT_EQ(drawn.shown[0].icon, QMessageBox::Information);
    EXPECT_EQ(drawn.shown[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(drawn.shown[0].drawn);
    EXPECT_TRUE(Forms::instance().loaded().isEmpty());
}

TEST_F(StartProgramTest, TheFirstStartHoldsItsFolderAgainstASecondOne) {
    testing_support::DrawnBoxes drawn;
    ASSERT_TRUE(app::startProgram());
    expectStartedWithoutABox(drawn);
    InstanceLock second(folder.path());
    EXPECT_EQ(second.acquire(), InstanceLock::Outcome::Running);
}

// Where no lock can be kept the program still starts, without the refusal of a second start.
struct MissingLock {
    const char* name;
    // Empty when this machine cannot take the lock away.
    std::function<std::shared_ptr<void>(const QString& cache)> place;
};

void PrintTo(const MissingLock& missing, std::ostream* out) {
    *out << missing.name;
}

class StartWithoutALockTest : public StartProgramTest,
                              public testing::WithParamInterface<MissingLock> {};

TEST_P(StartWithoutALockTest, StartsWithoutABox) {
    const auto missing = GetParam().place(cache);
    if (!missing) {
        GTEST_SKIP() << "this machine lets the test write in a read-only folder";
    }
    testing_support::DrawnBoxes drawn;
    EXPECT_TRUE(app::startProgram());
    expectStartedWithoutABox(drawn);
}

const MissingLock kMissingLocks[] = {
    {"NoSuchFolder",
     [](const QString& cache) -> std::shared_ptr<void> {
         QFile(cache).open(QIODevice::WriteOnly); // a file where the folder should be
         return std::make_shared<int>();
     }},
    {"ReadOnlyFolder",
     [](const QString& cache) -> std::shared_ptr<void> {
         QDir().mkpath(cache);
         auto guard = std::make_shared<testing_support::ReadOnlyFolder>(cache);
         return guard->holds() ? guard : nullptr;
     }},
};

INSTANTIATE_TEST_SUITE_P(Folders, StartWithoutALockTest, testing::ValuesIn(kMissingLocks),
                         [](const testing::TestParamInfo<MissingLock>& row) {
                             return std::string(row.param.name);
                         });
