#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr int kSettleMs = 1500;

// Copies the built executable into a fresh program folder and starts it there.
class RunningProgram {
public:
    explicit RunningProgram(const QString& folder) {
        m_process.setProgram(QDir(folder).filePath("Velarcana"));
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start();
    }
    ~RunningProgram() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool runningAfter(int ms) {
        m_process.waitForFinished(ms);
        return m_process.state() == QProcess::Running;
    }
    QByteArray output() { return m_process.readAll(); }

private:
    QProcess m_process;
};

QString installCopy(const testing_support::TempProgramFolder& folder) {
    const QString target = folder.file("Velarcana");
    QFile::copy(QStringLiteral(VELARCANA_PROGRAM_DIR "/Velarcana"), target);
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeUser);
    return folder.path();
}

} // namespace

TEST(EndToEnd, StartsOnAnEmptyFolderAndStaysUp) {
    testing_support::TempProgramFolder folder;
    RunningProgram program(installCopy(folder));
    EXPECT_TRUE(program.runningAfter(kSettleMs)) << program.output().toStdString();
}

TEST(EndToEnd, StartsWithDamagedDataFiles) {
    testing_support::TempProgramFolder folder;
    folder.write("opciones.ini", QByteArray("\x00\x01[opciones\nNivel Alertas=\xff\xff", 24));
    folder.write("bio.dat", "garbage");
    folder.write("horabio.dat", "");
    RunningProgram program(installCopy(folder));
    EXPECT_TRUE(program.runningAfter(kSettleMs)) << program.output().toStdString();
    EXPECT_EQ(folder.read("bio.dat"), "garbage"); // what the user had is not overwritten
}

TEST(EndToEnd, ASecondStartLeavesTheFirstRunning) {
    testing_support::TempProgramFolder folder;
    const QString path = installCopy(folder);
    RunningProgram first(path);
    ASSERT_TRUE(first.runningAfter(kSettleMs));
    {
        RunningProgram second(path); // waits on its "already running" message
        second.runningAfter(kSettleMs);
    }
    EXPECT_TRUE(first.runningAfter(200));
}
