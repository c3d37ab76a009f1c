#include "ProgramDataNames.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

using program_data::programFile;

namespace {

QByteArray readAll(const QString& relative) {
    QFile file(programFile(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t little(const QByteArray& d, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(d[at + i]);
    }
    return v;
}

std::uint32_t big(const QByteArray& d, qsizetype at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
        v = (v << 8) | static_cast<unsigned char>(d[at + i]);
    }
    return v;
}

struct WaveCase {
    const char* file;
    double minSeconds;
    double maxSeconds;
};

} // namespace

class ProgramSound : public testing::TestWithParam<WaveCase> {};

TEST_P(ProgramSound, IsAShortPcmWave) {
    const QByteArray d = readAll(QString::fromUtf8(GetParam().file));
    ASSERT_GE(d.size(), 44) << GetParam().file;
    EXPECT_EQ(d.left(4), "RIFF");
    EXPECT_EQ(little(d, 4, 4), static_cast<std::uint32_t>(d.size() - 8));
    EXPECT_EQ(d.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(little(d, 20, 2), 1u) << "PCM";
    const std::uint32_t channels = little(d, 22, 2);
    const std::uint32_t rate = little(d, 24, 4);
    const std::uint32_t bits = little(d, 34, 2);
    EXPECT_EQ(bits, 16u);
    EXPECT_EQ(little(d, 28, 4), rate * channels * bits / 8) << "byte rate";
    ASSERT_EQ(d.mid(36, 4), "data");
    const std::uint32_t dataBytes = little(d, 40, 4);
    EXPECT_EQ(dataBytes, static_cast<std::uint32_t>(d.size() - 44));
    const double seconds = static_cast<double>(dataBytes) / (rate * channels * bits / 8);
    EXPECT_GE(seconds, GetParam().minSeconds);
    EXPECT_LE(seconds, GetParam().maxSeconds);
    // Audible, yet never clipped.
    int loudest = 0;
    for (qsizetype at = 44; at + 1 < d.size(); at += 2) {
        loudest = std::max(loudest, std::abs(static_cast<std::int16_t>(little(d, at, 2))));
    }
    EXPECT_GT(loudest, 8000);
    EXPECT_LT(loudest, 32767);
}

INSTANTIATE_TEST_SUITE_P(Sounds, ProgramSound,
                         testing::Values(WaveCase{"Url.wav", 0.3, 2.0},
                                         WaveCase{"boop.wav", 0.05, 0.6},
                                         WaveCase{"Trumpet.wav", 0.8, 3.0}));

namespace {

// What a walk through a Standard MIDI File finds.
struct MidiSummary {
    int format = -1;
    int tracks = 0;
    int division = 0;
    std::uint32_t tempo = 500000; // microseconds a quarter until a tempo event says otherwise
    std::uint32_t lastTick = 0;
    int notesOn = 0;
    int notesStillSounding = 0;
};

std::optional<std::uint32_t> variable(const QByteArray& d, qsizetype& at, qsizetype end) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
        const auto b = static_cast<unsigned char>(d[at++]);
        v = (v << 7) | (b & 0x7f);
        if ((b & 0x80) == 0) {
            return v;
        }
    }
    return std::nullopt;
}

// Reads every event of every track; nothing when the file is malformed.
std::optional<MidiSummary> walkMidi(const QByteArray& d) {
    MidiSummary s;
    if (d.size() < 14 || d.left(4) != "MThd" || big(d, 4, 4) != 6) {
        return std::nullopt;
    }
    s.format = static_cast<int>(big(d, 8, 2));
    const int declared = static_cast<int>(big(d, 10, 2));
    s.division = static_cast<int>(big(d, 12, 2));
    qsizetype at = 14;
    while (at + 8 <= d.size()) {
        if (d.mid(at, 4) != "MTrk") {
            return std::nullopt;
        }
        const qsizetype end = at + 8 + big(d, at + 4, 4);
        if (end > d.size()) {
            return std::nullopt;
        }
        at += 8;
        std::uint32_t tick = 0;
        int status = 0;
        bool ended = false;
        int sounding[16][128] = {};
        while (at < end && !ended) {
            const auto delta = variable(d, at, end);
            if (!delta || at >= end) {
                return std::nullopt;
            }
            tick += *delta;
            int byte = static_cast<unsigned char>(d[at]);
            if (byte & 0x80) {
                status = byte;
                ++at;
            }
            if (status == 0xff) {
                const int type = static_cast<unsigned char>(d[at++]);
                const auto length = variable(d, at, end);
                if (!length || at + *length > end) {
                    return std::nullopt;
                }
                if (type == 0x51 && *length == 3) {
                    s.tempo = big(d, at, 3);
                }
                ended = type == 0x2f;
                at += *length;
                continue;
            }
            const int kind = status & 0xf0;
            const int channel = status & 0x0f;
            const int size = (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
            if (status < 0x80 || at + size > end) {
                return std::nullopt;
            }
            if (kind == 0x90 || kind == 0x80) {
                const int pitch = static_cast<unsigned char>(d[at]);
                const int velocity = static_cast<unsigned char>(d[at + 1]);
                if (kind == 0x90 && velocity > 0) {
                    ++s.notesOn;
                    ++sounding[channel][pitch];
                } else if (sounding[channel][pitch] > 0) {
                    --sounding[channel][pitch];
                }
            }
            at += size;
        }
        if (!ended || at != end) {
            return std::nullopt;
        }
        for (const auto& channel : sounding) {
            for (int count : channel) {
                s.notesStillSounding += count;
            }
        }
        s.lastTick = std::max(s.lastTick, tick);
        ++s.tracks;
    }
    if (s.tracks != declared || at != d.size()) {
        return std::nullopt;
    }
    return s;
}

} // namespace

TEST(BackgroundTune, IsAWellFormedMidiFileOfOneToTwoMinutes) {
    const auto tune = walkMidi(readAll("ambiente.mid"));
    ASSERT_TRUE(tune.has_value()) << "ambiente.mid is malformed or missing";
    EXPECT_EQ(tune->format, 1);
    EXPECT_GE(tune->tracks, 2);
    ASSERT_GT(tune->division, 0);
    const double seconds = static_cast<double>(tune->lastTick) / tune->division * tune->tempo / 1e6;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 120.0);
    EXPECT_GT(tune->notesOn, 100);
    // A loop restarts from the beginning: no note may be left hanging at the end.
    EXPECT_EQ(tune->notesStillSounding, 0);
}

TEST(HelpFile, IsACompiledHelpFileWithEveryPage) {
    const QByteArray d = readAll("Velarcana.chm");
    ASSERT_GE(d.size(), 0x60);
    EXPECT_EQ(d.left(4), "ITSF");
    EXPECT_EQ(little(d, 4, 4), 3u) << "version";
    EXPECT_EQ(little(d, 0x10, 4), 0u) << "the compile time is cleared";
    for (const char* page :
         {"/index.html", "/cardofday.html", "/anotherday.html", "/numbers.html", "/names.html",
          "/oracle.html", "/biorhythms.html", "/moon.html", "/signs.html", "/decks.html",
          "/options.html", "/tray.html", "/#SYSTEM", "/Velarcana.hhc"}) {
        EXPECT_TRUE(d.contains(page)) << page;
    }
}
