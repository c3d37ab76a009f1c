// The built program itself, started as a shell starts it, on a private X server, used through
// the real pointer and keyboard (XTest): with something else in place of its files, and under a
// file size limit (ulimit -f) with the signal of that limit at its default, as administrators and
// service managers leave it.
#include "support/NonFiles.h"
#include "support/TempProgramFolder.h"
#include "support/tray/XEmbedTray.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <vector>

using namespace testing_support;

namespace {

// Long enough for a write that goes past the limit to end the program, were it to.
constexpr int kSettleMs = 1500;

const QByteArray kBirthDate = "1,3,1980\r\n"; // no welcome notice slides up meanwhile

// In the started program before it runs: the file size limit, and the signal of the limit at
// its default (a test program may have set it otherwise).
void asAShellStartsIt(std::optional<qint64> fileSizeLimit) {
    std::signal(SIGXFSZ, SIG_DFL);
    sigset_t limitSignal;
    sigemptyset(&limitSignal);
    sigaddset(&limitSignal, SIGXFSZ);
    sigprocmask(SIG_UNBLOCK, &limitSignal, nullptr);
    if (fileSizeLimit) {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = static_cast<rlim_t>(*fileSizeLimit);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
}

void copyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

// A copy of the built program in the folder, with the data folders named.
void install(const TempProgramFolder& folder, const QStringList& dataFolders = {}) {
    const QString built = QStringLiteral(VELARCANA_PROGRAM_DIR);
    const QString program = folder.file("Velarcana");
    QFile::copy(QDir(built).filePath("Velarcana"), program);
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeUser);
    for (const QString& data : dataFolders) {
        copyFolder(QDir(built).filePath(data), folder.file(data));
    }
}

QString windowId(WId window) {
    return QString::number(window);
}

class RealProgram {
public:
    RealProgram(const TempProgramFolder& folder, std::optional<qint64> fileSizeLimit) {
        m_process.setProgram(folder.file("Velarcana"));
        m_process.setWorkingDirectory(folder.path());
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.setChildProcessModifier([fileSizeLimit] { asAShellStartsIt(fileSizeLimit); });
        m_process.start();
        m_process.waitForStarted(kDesktopDeadlineMs);
    }
    ~RealProgram() {
        m_process.kill();
        m_process.waitForFinished(kDesktopDeadlineMs);
    }
    RealProgram(const RealProgram&) = delete;
    RealProgram& operator=(const RealProgram&) = delete;

    bool runningAfter(int ms) {
        m_process.waitForFinished(ms);
        return m_process.state() == QProcess::Running;
    }
    // What it said, and how it ended when it did.
    std::string report() {
        m_output += m_process.readAll();
        std::string text = m_output.toStdString();
        if (m_process.state() == QProcess::NotRunning) {
            text += m_process.exitStatus() == QProcess::CrashExit
                        ? "[ended by signal " + std::to_string(m_process.exitCode()) + "]"
                        : "[ended with " + std::to_string(m_process.exitCode()) + "]";
        }
        return text;
    }

    // Its windows on the screen, each as its title and its kind.
    QStringList visibleWindows() const {
        QStringList windows;
        for (const WId window : ownWindows(true)) {
            QByteArray properties;
            runTool("xprop", {"-id", windowId(window), "WM_NAME", "_NET_WM_WINDOW_TYPE"},
                    &properties);
            windows << QString::fromUtf8(properties).simplified();
        }
        windows.sort();
        return windows;
    }

    // Waits until a window with the title is on the screen; 0 when none came.
    WId windowShown(const QString& title) const {
        WId found = 0;
        const bool shown = QTest::qWaitFor(
            [&] {
                QByteArray ids;
                const bool any =
                    runTool("xdotool",
                            {"search", "--onlyvisible", "--pid", pid(), "--name",
                             QStringLiteral("^%1$").arg(QRegularExpression::escape(title))},
                            &ids);
                found = any ? ids.split('\n').first().toULongLong() : 0;
                return found != 0;
            },
            kDesktopDeadlineMs);
        return shown ? found : 0;
    }

    // Waits until its tray icon is docked in the tray; its rectangle on the screen.
    QRect trayIcon() const {
        QRect icon;
        const bool docked = QTest::qWaitFor(
            [&] {
                for (const WId window : ownWindows(false)) {
                    const XWindowInfo info = xWindowInfo(window);
                    if (info.viewable && info.embedded && !info.rect.isEmpty()) {
                        icon = info.rect;
                    }
                }
                return !icon.isEmpty();
            },
            kDesktopDeadlineMs);
        return docked ? icon : QRect();
    }

private:
    QString pid() const { return QString::number(m_process.processId()); }

    std::vector<WId> ownWindows(bool visibleOnly) const {
        QStringList arguments = {"search", "--pid", pid()};
        if (visibleOnly) {
            arguments.insert(1, "--onlyvisible");
        }
        QByteArray ids;
        runTool("xdotool", arguments, &ids);
        std::vector<WId> windows;
        for (const QByteArray& id : ids.split('\n')) {
            if (!id.isEmpty()) {
                windows.push_back(id.toULongLong());
            }
        }
        return windows;
    }

    QProcess m_process;
    QByteArray m_output;
};

QImage pictureOf(WId window) {
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage();
}

bool typeKeys(const QStringList& keys) {
    return runTool("xdotool", QStringList{"key", "--delay", "50"} + keys);
}

} // namespace

// Pipes, devices and folders in place of the settings and birth data files read at start: the
// start window comes up as without them, and none of them is written through.
class StartsInPlaceOfItsFiles : public testing::TestWithParam<NonFile> {};

TEST_P(StartsInPlaceOfItsFiles, AndShowsItsWindow) {
    TempProgramFolder folder;
    install(folder);
    std::vector<std::unique_ptr<NonFileAt>> files;
    for (const char* file : {"opciones.ini", "bio.dat", "horabio.dat"}) {
        files.push_back(std::make_unique<NonFileAt>(GetParam(), folder.file(file)));
        ASSERT_TRUE(files.back()->made()) << file;
    }
    RealProgram program(folder, std::nullopt);
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
        install(folder);
        folder.write("bio.dat", kBirthDate);
        RealProgram program(folder, limit);
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
        install(folder);
        folder.write("opciones.ini", before);
        folder.write("bio.dat", kBirthDate);
        RealProgram program(folder, limit);
        const QRect icon = program.trayIcon();
        ASSERT_FALSE(icon.isEmpty()) << "the icon did not dock: " << program.report();
        ASSERT_TRUE(clickAt(icon.center(), 3));
        QTest::qWait(500);                                 // the menu opens
        ASSERT_TRUE(typeKeys({"Down", "Down", "Return"})); // "About...", "Options"
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
        install(folder, {"imagenes"});
        folder.write("opciones.ini", "[opciones]\r\nM\xf3"
                                     "dulo Inicial=Numbers\r\nLogResNumbers=yes\r\n");
        folder.write("bio.dat", kBirthDate);
        folder.write("logs/resNumbers.log", emptied);
        RealProgram program(folder, limit);
        const WId window = program.windowShown("Numbers");
        ASSERT_NE(window, 0U) << program.report();
        const QImage unanswered = pictureOf(window);
        ASSERT_TRUE(runTool("xdotool", {"windowfocus", "--sync", windowId(window)}));
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
