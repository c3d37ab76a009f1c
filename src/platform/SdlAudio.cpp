#include "platform/SdlAudio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace platform {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkBytes = 2048;
constexpr int kMixChannels = 16;

} // namespace

bool openAudio() {
    static const bool opened = [] {
        // The program ends on SIGTERM like any desktop program; SDL would swallow it.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;
        }
        Mix_Init(MIX_INIT_MID);
        if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkBytes) != 0) {
            return false;
        }
        Mix_AllocateChannels(kMixChannels);
        return true;
    }();
    return opened;
}

} // namespace platform
