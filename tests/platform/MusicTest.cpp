#include "platform/Music.h"

#include <QFile>

#include <gtest/gtest.h>

using platform::musicPlayer;

namespace {

const QString kTune = QStringLiteral(VELARCANA_PROGRAM_DIR "/ambiente.mid");

} // namespace

TEST(Music, AMissingOrBrokenTuneOpensNoDevice) {
    EXPECT_EQ(musicPlayer().open(QStringLiteral("/no/such/tune.mid")), 0U);
    EXPECT_EQ(musicPlayer().statusMode(0), 0);
    musicPlayer().play(0);
    musicPlayer().close(0);
}

TEST(Music, TheTunePlaysRewindsAndCloses) {
    if (!QFile::exists(kTune)) {
        GTEST_SKIP() << "the program data is not built";
    }
    platform::MusicPlayer& player = musicPlayer();
    const platform::MciDeviceId id = player.open(kTune);
    ASSERT_NE(id, 0U);
    EXPECT_EQ(player.statusMode(id), platform::kMciModeStop) << "opened, not yet playing";
    player.play(id);
    EXPECT_EQ(player.statusMode(id), platform::kMciModePlay);
    player.stop(id);
    EXPECT_EQ(player.statusMode(id), platform::kMciModeStop);
    player.play(id);
    EXPECT_EQ(player.statusMode(id), platform::kMciModePlay) << "goes on after a stop";
    player.seekToStart(id);
    EXPECT_EQ(player.statusMode(id), platform::kMciModeStop);
    player.play(id);
    EXPECT_EQ(player.statusMode(id), platform::kMciModePlay);

    const platform::MciDeviceId second = player.open(kTune);
    EXPECT_NE(second, id);
    player.close(id);
    EXPECT_EQ(player.statusMode(id), 0) << "a closed device no longer answers";
    player.play(second);
    EXPECT_EQ(player.statusMode(second), platform::kMciModePlay);
    player.closeAll();
    EXPECT_EQ(player.statusMode(second), 0);
}
