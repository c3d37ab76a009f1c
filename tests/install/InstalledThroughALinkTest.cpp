// Installed for a user whose data folder is reached through a link, as with a home folder on
// another disk: "With Windows", turned on in the installed program itself, starts the program by
// its path with the links resolved, while the menu entry names it through the link; uninstalling
// takes out that autostart entry with the program.
#include "support/RealProgram.h"
#include "support/tray/XEmbedTray.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

constexpr int kScriptDeadlineMs = 120000;

// Runs one of the install scripts as the user runs it; its output, or why it failed.
std::string runScript(const QString& script, const QStringList& arguments, bool* done) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(VELARCANA_SOURCE_DIR "/scripts/") + script, arguments);
    *done = process.waitForFinished(kScriptDeadlineMs) &&
            process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAll().toStdString();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(InstalledThroughALink, UninstallingTakesOutTheAutostartEntryTheProgramWrote) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir root(work.path());
    ASSERT_TRUE(root.mkpath("disk/share") && root.mkpath("home/.local") && root.mkpath("config"));
    const QString data = root.filePath("home/.local/share");
    ASSERT_TRUE(QFile::link(root.filePath("disk/share"), data));
    qputenv("HOME", root.filePath("home").toUtf8());
    qputenv("XDG_DATA_HOME", data.toUtf8());
    qputenv("XDG_CONFIG_HOME", root.filePath("config").toUtf8());

    bool done = false;
    const std::string installed = runScript("install-build.sh", {VELARCANA_BUILD_DIR}, &done);
    ASSERT_TRUE(done) << installed;
    const QString folder = data + "/Velarcana";
    QFile settings(folder + "/opciones.ini");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[opciones]\r\nIniciar con Windows=True\r\nIniciar Minimizado=True\r\n");
    settings.close();
    QFile birthDate(folder + "/bio.dat");
    ASSERT_TRUE(birthDate.open(QIODevice::WriteOnly));
    birthDate.write("1,3,1980\r\n"); // no welcome notice slides up meanwhile
    birthDate.close();

    const QString autostart = root.filePath("config/autostart/Velarcana.desktop");
    {
        Trayer tray;
        ASSERT_TRUE(tray.ready()) << "trayer did not take the tray";
        RealProgram program(folder);
        // Options writes the entry again as it opens with the setting on.
        ASSERT_TRUE(program.chooseFromTrayMenu(2)) << program.report(); // "About...", "Options"
        ASSERT_NE(program.windowShown("Options"), 0U) << program.report();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return QFileInfo(autostart).isFile(); }, kDesktopDeadlineMs))
            << program.report();
    }
    const QByteArray entry = fileBytes(autostart);
    const QString resolved = QFileInfo(folder).canonicalFilePath() + "/Velarcana";
    ASSERT_TRUE(entry.contains(("\nExec=\"" + resolved + "\"\n").toUtf8())) << entry.toStdString();
    const QByteArray menuEntry = fileBytes(data + "/applications/velarcana.desktop");
    ASSERT_TRUE(menuEntry.contains(("\nExec=\"" + folder + "/Velarcana\"\n").toUtf8()))
        << "the menu entry names the program through the link: " << menuEntry.toStdString();

    const std::string uninstalled = runScript("uninstall.sh", {}, &done);
    ASSERT_TRUE(done) << uninstalled;
    EXPECT_FALSE(QFileInfo::exists(autostart)) << "left: " << entry.toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder + "/opciones.ini")) << "the user's settings stay";
}
