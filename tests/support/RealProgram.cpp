#include "support/RealProgram.h"

#include "support/tray/XEmbedTray.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace testing_support {
namespace {

// How long a tray menu takes to open on the screen.
constexpr int kMenuOpensMs = 500;

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

QString windowId(WId window) {
    return QString::number(window);
}

} // namespace

RealProgram::RealProgram(const QString& programFolder, std::optional<qint64> fileSizeLimit) {
    m_process.setProgram(QDir(programFolder).filePath(QStringLiteral("Velarcana")));
    m_process.setWorkingDirectory(programFolder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setChildProcessModifier([fileSizeLimit] { asAShellStartsIt(fileSizeLimit); });
    m_process.start();
    m_process.waitForStarted(kDesktopDeadlineMs);
}

RealProgram::~RealProgram() {
    m_process.kill();
    m_process.waitForFinished(kDesktopDeadlineMs);
}

bool RealProgram::runningAfter(int ms) {
    m_process.waitForFinished(ms);
    return m_process.state() == QProcess::Running;
}

std::string RealProgram::report() {
    m_output += m_process.readAll();
    std::string text = m_output.toStdString();
    if (m_process.state() == QProcess::NotRunning) {
        text += m_process.exitStatus() == QProcess::CrashExit
                    ? "[ended by signal " + std::to_string(m_process.exitCode()) + "]"
                    : "[ended with " + std::to_string(m_process.exitCode()) + "]";
    }
    return text;
}

QStringList RealProgram::visibleWindows() const {
    QStringList windows;
    for (const WId window : ownWindows(true)) {
        QByteArray properties;
        runTool("xprop", {"-id", windowId(window), "WM_NAME", "_NET_WM_WINDOW_TYPE"}, &properties);
        windows << QString::fromUtf8(properties).simplified();
    }
    windows.sort();
    return windows;
}

WId RealProgram::windowShown(const QString& title) const {
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

QRect RealProgram::trayIcon() const {
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

bool RealProgram::chooseFromTrayMenu(int downPresses) const {
    const QRect icon = trayIcon();
    if (icon.isEmpty() || !clickAt(icon.center(), 3)) {
        return false;
    }
    QTest::qWait(kMenuOpensMs);
    QStringList keys;
    for (int i = 0; i < downPresses; ++i) {
        keys << QStringLiteral("Down");
    }
    return typeKeys(keys << QStringLiteral("Return"));
}

QString RealProgram::pid() const {
    return QString::number(m_process.processId());
}

std::vector<WId> RealProgram::ownWindows(bool visibleOnly) const {
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

void installBuiltProgram(const QString& programFolder, const QStringList& dataFolders) {
    const QString built = QStringLiteral(VELARCANA_PROGRAM_DIR);
    const QString program = QDir(programFolder).filePath(QStringLiteral("Velarcana"));
    QFile::copy(QDir(built).filePath(QStringLiteral("Velarcana")), program);
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeUser);
    for (const QString& data : dataFolders) {
        copyFolder(QDir(built).filePath(data), QDir(programFolder).filePath(data));
    }
}

QImage pictureOf(WId window) {
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage();
}

bool typeKeys(const QStringList& keys) {
    return runTool("xdotool", QStringList{"key", "--delay", "50"} + keys);
}

} // namespace testing_support
