#include "platform/Sound.h"
#include "platform/Music.h"
#include "platform/SdlAudio.h"

#include <SDL2/SDL_mixer.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

using namespace std::chrono_literals;

namespace {

const QString kSound = QStringLiteral(VELARCANA_PROGRAM_DIR "/Url.wav");
const QString kTune = QStringLiteral(VELARCANA_PROGRAM_DIR "/ambiente.mid");
constexpr auto kDelay = 400ms;
constexpr int kPatienceMs = 15000;

// Lets the event loop run until `done` holds; calls `meanwhile` on every turn. False on timeout.
bool runEventsUntil(
    const std::function<bool()>& done, const std::function<void()>& meanwhile = [] {}) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > kPatienceMs) {
            return false;
        }
        meanwhile();
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}

// The real sound layer on SDL's dummy driver, which plays in real time.
class AudioDeviceTest : public testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(kSound) || !QFile::exists(kTune)) {
            GTEST_SKIP() << "the program data is not built";
        }
        platform::setAudioCloseDelay(kDelay);
        ASSERT_TRUE(runEventsUntil([] { return !platform::audioIsOpen(); }));
    }
    void TearDown() override { platform::setAudioCloseDelay(platform::kAudioCloseDelay); }
};

} // namespace

TEST_F(AudioDeviceTest, ASoundOpensTheDeviceWhichClosesAfterItAndOpensForTheNext) {
    for (int round = 1; round <= 2; ++round) {
        platform::sndPlaySound(kSound);
        ASSERT_TRUE(platform::audioIsOpen()) << round;
        EXPECT_EQ(Mix_Playing(-1), 1) << "starts at once, round " << round;
        bool cut = false;
        ASSERT_TRUE(runEventsUntil([] { return Mix_Playing(-1) == 0; },
                                   [&cut] { cut = cut || !platform::audioIsOpen(); }));
        EXPECT_FALSE(cut) << "a sound longer than the delay plays to its end, round " << round;
        QElapsedTimer quiet;
        quiet.start();
        ASSERT_TRUE(runEventsUntil([] { return !platform::audioIsOpen(); })) << round;
        EXPECT_GE(quiet.elapsed(), kDelay.count() - 50) << round;
    }
}

TEST_F(AudioDeviceTest, AnOpenTuneKeepsTheDeviceUntilItIsClosed) {
    platform::MusicPlayer& player = platform::musicPlayer();
    const platform::MciDeviceId id = player.open(kTune);
    ASSERT_NE(id, 0U);
    player.play(id);
    player.stop(id);
    QElapsedTimer held;
    held.start();
    ASSERT_TRUE(runEventsUntil([&held] { return held.elapsed() > 3 * kDelay.count(); }));
    EXPECT_TRUE(platform::audioIsOpen()) << "a stopped tune may go on";
    player.play(id);
    EXPECT_EQ(player.statusMode(id), platform::kMciModePlay);
    player.close(id);
    EXPECT_TRUE(runEventsUntil([] { return !platform::audioIsOpen(); }));
}
