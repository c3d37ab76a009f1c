// The real event-sound player on an X display (a private Xvfb server) with a real settings manager
// (xsettingsd): it follows the desktop's own switch for event sounds and its sound theme, and
// without a manager plays the freedesktop theme's sound.
#include "platform/EventSound.h"
#include "platform/XSettings.h"
#include "support/AlsaFileDevice.h"
#include "support/DesktopDeadline.h"

#include <canberra.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <csignal>

using namespace testing_support;

namespace {

const QString kInformation = QStringLiteral("dialog-information");

// A sound theme of the test's own whose information sound is a short WAV; returns its samples.
QByteArray writeTheme(const QString& dataDir, const QString& name) {
    const QString dir = dataDir + "/sounds/" + name;
    QDir().mkpath(dir + "/stereo");
    QFile index(dir + "/index.theme");
    index.open(QIODevice::WriteOnly);
    index.write("[Sound Theme]\nName=" + name.toUtf8() +
                "\nDirectories=stereo\n\n[stereo]\nOutputProfile=stereo\n");
    QByteArray samples;
    for (qint16 i = 0; i < 2205; ++i) {
        char two[2];
        qToLittleEndian<qint16>(static_cast<qint16>(i * 13), two);
        samples.append(two, 2);
    }
    QByteArray wav;
    const auto card32 = [&wav](quint32 v) {
        char four[4];
        qToLittleEndian(v, four);
        wav.append(four, 4);
    };
    const auto card16 = [&wav](quint16 v) {
        char two[2];
        qToLittleEndian(v, two);
        wav.append(two, 2);
    };
    wav.append("RIFF");
    card32(36 + samples.size());
    wav.append("WAVEfmt ");
    card32(16);
    card16(1);         // PCM
    card16(1);         // mono
    card32(44100);     // rate
    card32(44100 * 2); // bytes a second
    card16(2);         // bytes a frame
    card16(16);        // bits
    wav.append("data");
    card32(samples.size());
    wav.append(samples);
    QFile sound(dir + "/stereo/dialog-information.wav");
    sound.open(QIODevice::WriteOnly);
    sound.write(wav);
    return samples;
}

// xsettingsd on the test's display with a settings file of the test's own; it goes with the
// object.
class SettingsManager {
public:
    explicit SettingsManager(const QString& folder) : m_file(folder + "/xsettingsd.conf") {}
    ~SettingsManager() {
        m_process.kill();
        m_process.waitForFinished(kDesktopDeadlineMs);
    }

    // Publishes these settings (xsettingsd's lines) and waits until the display has them.
    bool publish(const QByteArray& lines, const platform::XSettings& expected) {
        QFile file(m_file);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(lines) < 0) {
            return false;
        }
        file.close();
        if (m_process.state() == QProcess::NotRunning) {
            m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            m_process.start(QStringLiteral("xsettingsd"), {QStringLiteral("-c"), m_file});
        } else {
            ::kill(static_cast<pid_t>(m_process.processId()), SIGHUP); // reload the file
        }
        return QTest::qWaitFor(
            [&] {
                const auto settings = platform::readXSettings();
                return settings && *settings == expected;
            },
            kDesktopDeadlineMs);
    }

private:
    QString m_file;
    QProcess m_process;
};

} // namespace

TEST(DesktopEventSounds, TheDesktopsSwitchAndThemeAreFollowed) {
    AlsaFileDevice device;
    const QString dataDir = device.folder() + "/share";
    const QByteArray ownSound = writeTheme(dataDir, "velarcana-test");
    EnvironmentVariable dataDirs("XDG_DATA_DIRS", dataDir + ":/usr/share");
    SettingsManager manager(device.folder());
    ASSERT_FALSE(platform::readXSettings().has_value()) << "a settings manager is running already";

    const struct {
        const char* what;
        QByteArray lines; // the manager's settings; empty: no manager yet
        platform::XSettings published;
        int result;
        QByteArray played; // empty: any sound
    } cases[] = {
        {"no manager", "", {}, CA_SUCCESS, {}},
        {"event sounds off",
         "Net/EnableEventSounds 0\n",
         {{"Net/EnableEventSounds", std::int32_t{0}}},
         CA_ERROR_DISABLED,
         {}},
        {"event sounds on, a theme of the desktop's own",
         "Net/EnableEventSounds 1\nNet/SoundThemeName \"velarcana-test\"\n",
         {{"Net/EnableEventSounds", std::int32_t{1}},
          {"Net/SoundThemeName", QByteArray("velarcana-test")}},
         CA_SUCCESS,
         ownSound},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.lines.isEmpty()) {
            ASSERT_TRUE(manager.publish(c.lines, c.published));
        }
        QFile::remove(device.output());
        auto ends = SoundEnds::make();
        platform::CanberraSoundPlayer player(SoundEnds::recorder(ends));
        player.play(kInformation);
        EXPECT_EQ(ends->waitFor(1, kDesktopDeadlineMs), std::vector<int>{c.result});
        if (c.result != CA_SUCCESS) {
            EXPECT_TRUE(device.played().isEmpty());
        } else if (c.played.isEmpty()) {
            EXPECT_GT(device.played().size(), 1000);
        } else {
            EXPECT_EQ(device.played(), c.played);
        }
    }
}
