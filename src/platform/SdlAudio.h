#pragma once

#include <chrono>
#include <functional>

namespace platform {

// The audio device that sounds and tunes share. It opens for a sound or a tune and closes a few
// seconds after the last one has ended, so that no mixing thread runs and no stream stays open
// in the sound server while all is quiet; the next sound opens it again.

// Opens the device when it is closed; false when there is none. The caller starts what it plays
// right after, on the event loop's thread.
bool openAudio();
// Whether the device is open now.
bool audioIsOpen();

// A tune loaded for the device (an open music device) keeps it open until it is released.
void holdAudio();
void releaseAudio();

// Runs every time the device closes, before it goes: users free what they loaded for it.
void whenAudioCloses(std::function<void()> release);

// How long the device stays open after the last sound or tune ended (tests shorten it).
constexpr std::chrono::milliseconds kAudioCloseDelay{3000};
void setAudioCloseDelay(std::chrono::milliseconds delay);

} // namespace platform
