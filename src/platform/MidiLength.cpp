#include "platform/MidiLength.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace platform {
namespace {

constexpr std::int64_t kDefaultTempo = 500000; // microseconds a quarter note: 120 beats a minute
constexpr double kDropFrameRate = 29.97;       // the SMPTE rate that the header writes as 29
constexpr int kLongestVariable = 4;            // bytes of a variable-length quantity
// Longer than any tune; keeps a damaged file's sum of ticks a representable time.
constexpr double kLongestSeconds = 7.0 * 24 * 3600;

constexpr std::uint32_t kMetaEvent = 0xff;
constexpr std::uint32_t kMetaEndOfTrack = 0x2f;
constexpr std::uint32_t kMetaTempo = 0x51;
constexpr std::uint32_t kSysEx = 0xf0;
constexpr std::uint32_t kSysExContinued = 0xf7;
constexpr std::uint32_t kSmpteDivision = 0x8000;

// Reads big-endian numbers and variable-length quantities; once past the end it stays failed.
class Reader {
public:
    Reader(const QByteArray& bytes, qsizetype begin, qsizetype end)
        : m_bytes(bytes), m_pos(begin), m_end(std::min(end, bytes.size())) {}

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos >= m_end; }
    qsizetype pos() const { return m_pos; }

    std::uint32_t byte() {
        if (atEnd()) {
            m_ok = false;
            return 0;
        }
        return static_cast<std::uint8_t>(m_bytes[m_pos++]);
    }
    std::uint32_t bigEndian(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value = (value << 8) | byte();
        }
        return value;
    }
    std::uint32_t variable() {
        std::uint32_t value = 0;
        for (int i = 0; i < kLongestVariable; ++i) {
            const std::uint32_t b = byte();
            value = (value << 7) | (b & 0x7f);
            if ((b & 0x80) == 0) {
                return value;
            }
        }
        m_ok = false;
        return value;
    }
    void skip(std::uint32_t count) {
        if (count > static_cast<std::uint64_t>(m_end - m_pos)) {
            m_pos = m_end;
            m_ok = false;
            return;
        }
        m_pos += static_cast<qsizetype>(count);
    }
    bool tag(const char* name) {
        const bool matches = m_end - m_pos >= 4 && m_bytes.mid(m_pos, 4) == name;
        if (matches) {
            m_pos += 4;
        }
        return matches;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos;
    qsizetype m_end;
    bool m_ok = true;
};

// Tempo changes by tick, over all tracks (microseconds a quarter note).
using TempoMap = std::map<std::int64_t, std::int64_t>;

int channelDataBytes(std::uint32_t status) {
    const std::uint32_t kind = status >> 4;
    return kind == 0xc || kind == 0xd ? 1 : 2;
}

// The tick of the track's last event: its end of track, or the last whole event before its
// bytes run out or stop making sense.
std::int64_t readTrack(Reader& track, TempoMap& tempos) {
    std::int64_t tick = 0;
    std::int64_t lastTick = 0;
    std::uint32_t running = 0;
    while (!track.atEnd()) {
        tick += track.variable();
        std::uint32_t status = track.byte();
        if (status < 0x80) {
            if (running == 0) {
                break;
            }
            status = running;
            track.skip(static_cast<std::uint32_t>(channelDataBytes(status) - 1));
        } else if (status < 0xf0) {
            running = status;
            track.skip(static_cast<std::uint32_t>(channelDataBytes(status)));
        } else if (status == kMetaEvent) {
            running = 0;
            const std::uint32_t type = track.byte();
            const std::uint32_t length = track.variable();
            const qsizetype data = track.pos();
            if (type == kMetaTempo && length >= 3) {
                const std::int64_t tempo = track.bigEndian(3);
                if (track.ok() && tempo > 0) {
                    tempos[tick] = tempo;
                }
            }
            track.skip(length - static_cast<std::uint32_t>(track.pos() - data));
            if (track.ok() && type == kMetaEndOfTrack) {
                return tick;
            }
        } else if (status == kSysEx || status == kSysExContinued) {
            running = 0;
            track.skip(track.variable());
        } else {
            break;
        }
        if (!track.ok()) {
            break;
        }
        lastTick = tick;
    }
    return lastTick;
}

double secondsOfTicks(std::int64_t endTick, std::uint32_t division, const TempoMap& tempos) {
    if ((division & kSmpteDivision) != 0) {
        const int frames = -static_cast<std::int8_t>(division >> 8);
        const double rate = frames == 29 ? kDropFrameRate : frames;
        const std::uint32_t ticksPerFrame = division & 0xff;
        return rate > 0 && ticksPerFrame > 0 ? endTick / (rate * ticksPerFrame) : -1;
    }
    if (division == 0) {
        return -1;
    }
    double seconds = 0;
    std::int64_t from = 0;
    std::int64_t tempo = kDefaultTempo;
    for (const auto& [tick, next] : tempos) {
        if (tick >= endTick) {
            break;
        }
        seconds += static_cast<double>(tick - from) * tempo / division / 1e6;
        from = tick;
        tempo = next;
    }
    return seconds + static_cast<double>(endTick - from) * tempo / division / 1e6;
}

} // namespace

std::optional<std::chrono::milliseconds> midiLength(const QByteArray& smf) {
    Reader file(smf, 0, smf.size());
    if (!file.tag("MThd")) {
        return std::nullopt;
    }
    const std::uint32_t headerLength = file.bigEndian(4);
    const qsizetype headerData = file.pos();
    file.skip(2); // the format: in each of them the longest track is the tune
    const std::uint32_t tracks = file.bigEndian(2);
    const std::uint32_t division = file.bigEndian(2);
    file.skip(headerLength - static_cast<std::uint32_t>(file.pos() - headerData));
    if (!file.ok() || headerLength < 6) {
        return std::nullopt;
    }
    TempoMap tempos;
    std::int64_t endTick = 0;
    std::uint32_t found = 0;
    while (found < tracks && !file.atEnd()) {
        const bool isTrack = file.tag("MTrk");
        if (!isTrack) {
            file.skip(4);
        }
        const std::uint32_t length = file.bigEndian(4);
        if (!file.ok()) {
            break;
        }
        if (isTrack) {
            Reader track(smf, file.pos(), file.pos() + length);
            endTick = std::max(endTick, readTrack(track, tempos));
            ++found;
        }
        file.skip(length);
    }
    if (found == 0) {
        return std::nullopt;
    }
    const double seconds = secondsOfTicks(endTick, division, tempos);
    if (seconds < 0) {
        return std::nullopt;
    }
    return std::chrono::milliseconds(
        static_cast<std::int64_t>(std::min(seconds, kLongestSeconds) * 1000 + 0.5));
}

} // namespace platform
