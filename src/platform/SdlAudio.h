#pragma once

namespace platform {

// Opens the audio device on first use (sounds and music share it); false when there is none.
bool openAudio();

} // namespace platform
