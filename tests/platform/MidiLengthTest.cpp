#include "platform/MidiLength.h"

#include "support/MidiBytes.h"

#include <QFile>

#include <gtest/gtest.h>

#include <initializer_list>

using platform::midiLength;
using std::chrono::milliseconds;
using testing_support::bigEndian;
using testing_support::midiEndOfTrack;
using testing_support::midiEvent;
using testing_support::midiFile;
using testing_support::midiQuarters;
using testing_support::midiTempo;
using testing_support::midiTrack;

namespace {

QByteArray fourQuarters() {
    return midiQuarters(4);
}

struct LengthCase {
    const char* what;
    QByteArray smf;
    long long expectedMs;
};

} // namespace

TEST(MidiLength, IsTheTimeOfTheLastEventWithEveryTempoOnTheWay) {
    // Running status: the note-ons and note-offs after the first carry no status byte.
    const QByteArray running = midiEvent(0, {0x90, 60, 100}) + midiEvent(960, {60, 0}) +
                               midiEvent(0, {62, 100}) + midiEvent(960, {62, 0});
    const LengthCase cases[] = {
        {"no tempo: 120 beats a minute", midiFile(0, 480, {fourQuarters() + midiEndOfTrack(0)}),
         2000},
        {"its end of track after a rest belongs to the tune",
         midiFile(0, 480, {fourQuarters() + midiEndOfTrack(480)}), 2500},
        {"no end of track: the last event",
         midiFile(0, 480, {midiTempo(0, 250000) + fourQuarters()}), 1000},
        {"a tempo change half-way",
         midiFile(0, 480,
                  {midiTempo(0, 500000) + midiQuarters(2) + midiTempo(0, 1000000) +
                   midiQuarters(2) + midiEndOfTrack(0)}),
         3000},
        {"format 1: the tempo track and the longest track",
         midiFile(
             1, 480,
             {midiTempo(0, 250000) + midiEndOfTrack(0), fourQuarters() + midiEndOfTrack(0),
              midiEvent(0, {0x91, 40, 90}) + midiEvent(480, {0x81, 40, 0}) + midiEndOfTrack(0)}),
         1000},
        {"running status", midiFile(0, 480, {running + midiEndOfTrack(0)}), 2000},
        {"system exclusive and text events are passed over",
         midiFile(0, 480,
                  {midiEvent(0, {0xf0, 0x05, 0x7e, 0x7f, 0x09, 0x01, 0xf7}) +
                   midiEvent(0, {0xff, 0x03, 0x04, 'T', 'u', 'n', 'e'}) + midiEvent(0, {0xc0, 5}) +
                   fourQuarters() + midiEndOfTrack(0)}),
         2000},
        {"SMPTE: 25 frames of 40 ticks a second", midiFile(0, 0xe728, {midiEndOfTrack(3000)}),
         3000},
        {"SMPTE: 29 stands for 29.97 frames", midiFile(0, 0xe364, {midiEndOfTrack(29970)}), 10000},
        {"an unknown chunk before the track",
         "MThd" + bigEndian(6, 4) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(480, 2) + "XFIH" +
             bigEndian(3, 4) + "abc" + midiTrack(fourQuarters() + midiEndOfTrack(0)),
         2000},
    };
    for (const LengthCase& c : cases) {
        const auto length = midiLength(c.smf);
        ASSERT_TRUE(length.has_value()) << c.what;
        EXPECT_EQ(length->count(), c.expectedMs) << c.what;
    }
}

TEST(MidiLength, ATrackCutOffCountsToItsLastWholeEvent) {
    const QByteArray whole = midiFile(0, 480, {fourQuarters() + midiEndOfTrack(0)});
    // The last note-off loses its bytes: the tune ends with the last note-on, at 1440 ticks.
    const QByteArray cut = whole.left(whole.size() - 4 - 2);
    EXPECT_EQ(midiLength(cut), milliseconds(1500));
}

TEST(MidiLength, BytesThatAreNoTuneHaveNone) {
    const QByteArray header = "MThd" + bigEndian(6, 4);
    const std::pair<const char*, QByteArray> cases[] = {
        {"nothing", QByteArray()},
        {"a wave file", "RIFF0000WAVEfmt "},
        {"a header alone", header + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(480, 2)},
        {"a header cut off", header + bigEndian(0, 2)},
        {"no time base", midiFile(0, 0, {fourQuarters() + midiEndOfTrack(0)})},
        {"SMPTE without ticks a frame", midiFile(0, 0xe700, {midiEndOfTrack(10)})},
    };
    for (const auto& [what, bytes] : cases) {
        EXPECT_FALSE(midiLength(bytes).has_value()) << what;
    }
}

TEST(MidiLength, TheShippedTuneHasALengthOfItsOwn) {
    QFile tune(QStringLiteral(VELARCANA_PROGRAM_DIR "/ambiente.mid"));
    if (!tune.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "the program data is not built";
    }
    const auto length = midiLength(tune.readAll());
    ASSERT_TRUE(length.has_value());
    EXPECT_GT(*length, milliseconds(10000));
}
