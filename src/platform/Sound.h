#pragma once

#include <QString>

namespace platform {

// Plays short sounds: a WAV file starts at once on a free channel and the call returns without
// waiting. A missing file or no audio device is silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& wavPath) = 0;
};

SoundPlayer& soundPlayer();
// Installs another player (not owned); nullptr puts the real one back.
void setSoundPlayer(SoundPlayer* player);

// sndPlaySound(path, asynchronous).
void sndPlaySound(const QString& wavPath);

} // namespace platform
