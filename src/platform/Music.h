#pragma once

#include <QString>

#include <cstdint>

namespace platform {

// MCI device identifier of an open tune; 0 = none (also what a failed open returns).
using MciDeviceId = std::uint32_t;

// MCI_STATUS_MODE answers.
constexpr long kMciModeStop = 525;
constexpr long kMciModePlay = 526;

// The media control layer for background tunes (MIDI rendered by FluidSynth with the General
// MIDI soundfont): open a file as a device, play it to its end, ask whether it still plays,
// rewind, stop, close. Unknown identifiers are ignored; no call reports an error.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;
    // MCI_OPEN with MCI_OPEN_ELEMENT: a new device for the file, 0 when it cannot be played.
    virtual MciDeviceId open(const QString& path) = 0;
    // MCI_PLAY: from the current position to the end.
    virtual void play(MciDeviceId id) = 0;
    // MCI_STATUS_MODE: kMciModePlay while it plays, kMciModeStop when stopped or at its end,
    // 0 for an identifier that is not open.
    virtual long statusMode(MciDeviceId id) = 0;
    // MCI_SEEK to the start: the device stops there.
    virtual void seekToStart(MciDeviceId id) = 0;
    virtual void stop(MciDeviceId id) = 0;
    virtual void close(MciDeviceId id) = 0;
    // "close all": every device of the program.
    virtual void closeAll() = 0;
};

MusicPlayer& musicPlayer();
// Installs another player (not owned); nullptr puts the real one back.
void setMusicPlayer(MusicPlayer* player);

} // namespace platform
