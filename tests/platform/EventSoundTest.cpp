// The desktop's event sounds: a balloon of the real tray layer asks for the information sound
// unless it is silent; the real player plays the freedesktop theme's sound through libcanberra to
// a sound device of the test's own, and is silent without a device or a sound, holding up
// nothing when the device hangs; the desktop's settings are read from the X settings format.
#include "platform/EventSound.h"
#include "platform/XSettings.h"
#include "shell/ctxSysTray.h"
#include "support/AlsaFileDevice.h"
#include "support/FakeEventSoundPlayer.h"

#include <canberra.h>

#include <QElapsedTimer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testing_support;

namespace {

constexpr int kPatienceMs = 10000;
const QString kInformation = QStringLiteral("dialog-information");

} // namespace

// The tray control on the real tray layer (no tray host here): what each balloon call sounds.
TEST(BalloonSound, ABalloonSoundsTheInformationSoundUnlessItIsSilent) {
    FakeEventSoundPlayer sounds;
    shell::ctxSysTray notAdded;
    notAdded.Popup("text", "title", platform::NIIF_INFO);
    EXPECT_TRUE(sounds.played.isEmpty()) << "a balloon for an icon that is not in the tray";

    shell::ctxSysTray tray;
    tray.AddIconToSystray(QString());
    EXPECT_TRUE(sounds.played.isEmpty()) << "adding the icon";
    const struct {
        QString text;
        QString title;
        std::uint32_t flags;
        QStringList sounds;
    } cases[] = {
        {"line\r\nline", "Velarcana by Quenlor", 1, {kInformation}},
        {"line\r\nline", "Velarcana by Quenlor", 17, {}},
        {"", "Velarcana by Quenlor", 1, {kInformation}},
        {"text only", "", 1, {kInformation}},
        {"", "", 0, {}}, // HidePopUp
        {"", "", 1, {}},
    };
    for (const auto& c : cases) {
        sounds.played.clear();
        tray.Popup(c.text, c.title, c.flags);
        EXPECT_EQ(sounds.played, c.sounds)
            << c.text.toStdString() << "|" << c.title.toStdString() << "|" << c.flags;
    }

    tray.Popup("text", "title", platform::NIIF_INFO);
    sounds.played.clear();
    tray.UpdateIcon("tip");
    tray.HidePopUp();
    EXPECT_TRUE(sounds.played.isEmpty()) << "a new tip, or the balloon taken away";
}

// The real player, with no X settings here (sounds on, freedesktop theme).
class CanberraSoundPlayerTest : public testing::Test {
protected:
    AlsaFileDevice device;
    std::shared_ptr<SoundEnds> ends = SoundEnds::make();
};

TEST_F(CanberraSoundPlayerTest, TheInformationSoundPlaysToTheDeviceToItsEnd) {
    platform::CanberraSoundPlayer player(SoundEnds::recorder(ends));
    player.play(kInformation);
    EXPECT_EQ(ends->waitFor(1, kPatienceMs), std::vector<int>{CA_SUCCESS});
    EXPECT_GT(device.played().size(), 1000) << "no samples reached the device";
}

TEST_F(CanberraSoundPlayerTest, WithoutDeviceOrSoundNothingPlays) {
    const QString noThemes = device.folder() + "/no-themes";
    const struct {
        const char* what;
        QString pcm;      // ALSA's default device; empty: the file device
        QString dataDirs; // where sound themes lie; empty: the system's
        const char* eventId;
    } cases[] = {
        {"no sound card", "type hw\ncard 7", "", "dialog-information"},
        {"no device of that name", "type plug\nslave.pcm \"nothing-here\"", "",
         "dialog-information"},
        {"no sound theme", "", noThemes, "dialog-information"},
        {"no such sound", "", "", "no-such-event-sound"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.pcm.isEmpty()) {
            device.define(c.pcm);
        }
        EnvironmentVariable dataDirs("XDG_DATA_DIRS", c.dataDirs.isEmpty()
                                                          ? std::optional<QString>()
                                                          : std::optional<QString>(c.dataDirs));
        auto caseEnds = SoundEnds::make();
        {
            platform::CanberraSoundPlayer player(SoundEnds::recorder(caseEnds));
            player.play(QString::fromLatin1(c.eventId));
            const std::vector<int> results = caseEnds->waitFor(1, kPatienceMs);
            ASSERT_EQ(results.size(), 1U);
            EXPECT_LT(results.front(), 0);
        }
        EXPECT_TRUE(device.played().isEmpty());
    }
}

// A device that never opens (its file a pipe that nobody reads) holds up neither the caller nor
// the player's going: sounds asked for meanwhile are dropped, and once the device opens the first
// sound plays to its end, whether its player stayed or went meanwhile.
TEST_F(CanberraSoundPlayerTest, AHangingDeviceHoldsUpNothing) {
    const QByteArray pipe = device.output().toLocal8Bit();
    for (const bool playerStays : {true, false}) {
        SCOPED_TRACE(playerStays ? "the player stays" : "the player goes");
        ASSERT_EQ(mkfifo(pipe.constData(), 0600), 0);
        auto caseEnds = SoundEnds::make();
        auto player =
            std::make_unique<platform::CanberraSoundPlayer>(SoundEnds::recorder(caseEnds));
        QElapsedTimer meanwhile;
        meanwhile.start();
        while (meanwhile.elapsed() < 300) {
            player->play(kInformation);
        }
        EXPECT_TRUE(caseEnds->waitFor(1, 200).empty());
        if (!playerStays) {
            player.reset();
        }
        const int reader = open(pipe.constData(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        QByteArray drained;
        const auto drain = [&] {
            char buffer[4096];
            ssize_t got = 0;
            while ((got = read(reader, buffer, sizeof buffer)) > 0) {
                drained.append(buffer, got);
            }
        };
        QElapsedTimer waited;
        waited.start();
        while (caseEnds->waitFor(1, 10).empty() && waited.elapsed() < kPatienceMs) {
            drain();
        }
        drain();
        close(reader);
        unlink(pipe.constData());
        const std::vector<int> results = caseEnds->waitFor(2, 500);
        EXPECT_EQ(results, std::vector<int>{CA_SUCCESS}) << "only the first sound is started";
        EXPECT_GT(drained.size(), 1000);
    }
}

namespace {

// The X settings property as a manager writes it, in either byte order.
class XSettingsBytes {
public:
    explicit XSettingsBytes(bool msbFirst, std::uint32_t count) : m_msb(msbFirst) {
        m_data.append(char(msbFirst ? 1 : 0)).append(3, '\0');
        card32(42);
        card32(count);
    }
    XSettingsBytes& integer(const QByteArray& name, std::int32_t value) {
        header(0, name);
        card32(static_cast<std::uint32_t>(value));
        return *this;
    }
    XSettingsBytes& string(const QByteArray& name, const QByteArray& value) {
        header(1, name);
        card32(static_cast<std::uint32_t>(value.size()));
        padded(value);
        return *this;
    }
    XSettingsBytes& color(const QByteArray& name) {
        header(2, name);
        m_data.append(8, '\x7f');
        return *this;
    }
    QByteArray bytes() const { return m_data; }

private:
    void header(char type, const QByteArray& name) {
        m_data.append(type).append('\0');
        const auto length = static_cast<quint16>(name.size());
        char two[2];
        if (m_msb) {
            qToBigEndian(length, two);
        } else {
            qToLittleEndian(length, two);
        }
        m_data.append(two, 2);
        padded(name);
        card32(7); // serial of the last change
    }
    void card32(std::uint32_t value) {
        char four[4];
        if (m_msb) {
            qToBigEndian(value, four);
        } else {
            qToLittleEndian(value, four);
        }
        m_data.append(four, 4);
    }
    void padded(const QByteArray& bytes) {
        m_data.append(bytes).append((4 - bytes.size() % 4) % 4, '\0');
    }

    bool m_msb;
    QByteArray m_data;
};

} // namespace

TEST(XSettingsFormat, NumbersAndTextsInEitherByteOrderColoursLeftOut) {
    for (const bool msb : {false, true}) {
        SCOPED_TRACE(msb ? "MSB first" : "LSB first");
        const QByteArray bytes = XSettingsBytes(msb, 4)
                                     .integer("Net/EnableEventSounds", 0)
                                     .color("Gtk/Colour")
                                     .string("Net/SoundThemeName", "ocean")
                                     .integer("Xft/DPI", -98304)
                                     .bytes();
        const auto settings = platform::parseXSettings(bytes);
        ASSERT_TRUE(settings.has_value());
        const platform::XSettings expected{{"Net/EnableEventSounds", std::int32_t{0}},
                                           {"Net/SoundThemeName", QByteArray("ocean")},
                                           {"Xft/DPI", std::int32_t{-98304}}};
        EXPECT_EQ(*settings, expected);
        for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
            EXPECT_FALSE(platform::parseXSettings(bytes.left(cut)).has_value()) << cut;
        }
    }
}

TEST(XSettingsFormat, NoSettingsAndMalformedData) {
    EXPECT_EQ(platform::parseXSettings(XSettingsBytes(false, 0).bytes()), platform::XSettings{});
    QByteArray badOrder = XSettingsBytes(false, 0).bytes();
    badOrder[0] = 2;
    EXPECT_FALSE(platform::parseXSettings(badOrder).has_value());
    QByteArray badType = XSettingsBytes(false, 1).integer("A", 1).bytes();
    badType[12] = 3;
    EXPECT_FALSE(platform::parseXSettings(badType).has_value());
    EXPECT_FALSE(platform::parseXSettings(XSettingsBytes(true, 0xFFFFFFFF).integer("A", 1).bytes())
                     .has_value());
}
