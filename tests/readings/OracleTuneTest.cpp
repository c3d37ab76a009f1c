// The Oracle's tune as the user hears it: the real music layer renders it on SDL's disk audio
// driver, which writes what it would play into a file at the pace of a sound card.

#include "readings/Frmoracle.h"

#include "app/Windows.h"
#include "forms/Forms.h"
#include "platform/Music.h"
#include "platform/SdlAudio.h"
#include "readings/ReadingsState.h"
#include "shell/ShellState.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/MidiBytes.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace std::chrono_literals;

namespace {

// What the music layer opens the device with: 16-bit stereo at 44.1 kHz.
constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kWindowFrames = kRate / 100; // 10 ms
// Quieter than this (about -54 dBFS) is silence.
constexpr int kSilence = 64;

// Loud and quiet stretches of the recording, as lengths of 10-ms windows from its start.
struct Stretch {
    bool loud = false;
    int windows = 0;
};

std::vector<Stretch> stretches(const QByteArray& pcm) {
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype frames = pcm.size() / (2 * kChannels);
    std::vector<Stretch> out;
    for (qsizetype start = 0; start + kWindowFrames <= frames; start += kWindowFrames) {
        int peak = 0;
        for (qsizetype i = start * kChannels; i < (start + kWindowFrames) * kChannels; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        }
        const bool loud = peak >= kSilence;
        if (out.empty() || out.back().loud != loud) {
            out.push_back({loud, 0});
        }
        ++out.back().windows;
    }
    return out;
}

class OracleTuneTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        readings::resetReadingsState();
        app::registerWindows();
        platform::setMusicPlayer(nullptr);
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeShell desktop;
};

} // namespace

// A tune of two seconds, its last note ending with its last event: the synthesizer's notes fade
// for seconds after that, and the restart must not wait for them.
TEST_F(OracleTuneTest, AShortTuneOfTheUsersOwnRestartsWithinHalfASecondOfItsEnd) {
    ASSERT_FALSE(platform::audioIsOpen()) << "the disk driver must be chosen before audio opens";
    const QString recording = folder.file("heard.raw");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(recording));
    folder.write("own.mid", testing_support::midiFile(0, 480,
                                                      {testing_support::midiQuarters(4) +
                                                       testing_support::midiEndOfTrack(0)}));
    folder.write("opciones.ini", "[opciones]\r\nSoundAmbient=syp\r\nSongAmbient=" +
                                     QFile::encodeName(folder.file("own.mid")) + "\r\n");

    auto* w = static_cast<readings::Frmoracle*>(
        forms::Forms::instance().load(readings::Frmoracle::kName));
    ASSERT_NE(w, nullptr);
    ASSERT_NE(readings::readingsState().midiId, 0) << "the tune opens";
    QTest::qWait(7500);
    forms::Forms::instance().reset();

    QFile heard(recording);
    ASSERT_TRUE(heard.open(QIODevice::ReadOnly));
    std::vector<Stretch> parts = stretches(heard.readAll());
    // Silence before the tune first sounds and after the window stopped it is no gap.
    while (!parts.empty() && !parts.front().loud) {
        parts.erase(parts.begin());
    }
    while (!parts.empty() && !parts.back().loud) {
        parts.pop_back();
    }
    int loudMs = 0;
    for (const Stretch& part : parts) {
        if (part.loud) {
            loudMs += part.windows * 10;
        } else {
            EXPECT_LE(part.windows * 10, 500) << "a gap of silence between repeats";
        }
    }
    EXPECT_GE(loudMs, 6000) << "three rounds of the tune and more sound";
}
