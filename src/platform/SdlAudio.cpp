#include "platform/SdlAudio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <utility>
#include <vector>

namespace platform {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkBytes = 2048;
constexpr int kMixChannels = 16;
// While the device is open the event loop looks this often whether anything still plays; the
// mixer's own thread runs far more often then, so the look costs nothing worth counting.
constexpr int kIdleCheckMs = 250;

struct Device {
    bool open = false;
    int holds = 0;
    std::chrono::milliseconds closeDelay = kAudioCloseDelay;
    QElapsedTimer quietSince; // valid while nothing plays
    QPointer<QTimer> idleCheck;
    std::vector<std::function<void()>> onClose;
};

// Never destroyed: the sound and music players release into it from their own static
// destructors.
Device& device() {
    static auto* d = new Device;
    return *d;
}

bool somethingPlays() {
    return device().holds > 0 || Mix_Playing(-1) > 0 || Mix_PlayingMusic() != 0;
}

void closeAudio() {
    Device& d = device();
    for (const std::function<void()>& release : d.onClose) {
        release();
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    d.open = false;
    d.quietSince.invalidate();
    if (d.idleCheck) {
        d.idleCheck->stop();
    }
}

void checkIdle() {
    Device& d = device();
    if (!d.open || somethingPlays()) {
        d.quietSince.invalidate();
        return;
    }
    if (!d.quietSince.isValid()) {
        d.quietSince.start();
    } else if (d.quietSince.elapsed() >= d.closeDelay.count()) {
        closeAudio();
    }
}

// Without an event loop (no application object) the device simply stays open.
void watchForQuiet() {
    Device& d = device();
    d.quietSince.invalidate();
    if (!d.idleCheck && QCoreApplication::instance()) {
        d.idleCheck = new QTimer(QCoreApplication::instance());
        d.idleCheck->setInterval(kIdleCheckMs);
        QObject::connect(d.idleCheck, &QTimer::timeout, &checkIdle);
    }
    if (d.idleCheck && !d.idleCheck->isActive()) {
        d.idleCheck->start();
    }
}

bool openDevice() {
    // The program ends on SIGTERM like any desktop program; SDL would swallow it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    static const int decoders = Mix_Init(MIX_INIT_MID);
    (void)decoders;
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkBytes) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(kMixChannels);
    return true;
}

} // namespace

bool openAudio() {
    Device& d = device();
    if (!d.open) {
        d.open = openDevice();
    }
    if (d.open) {
        watchForQuiet();
    }
    return d.open;
}

bool audioIsOpen() {
    return device().open;
}

void holdAudio() {
    ++device().holds;
}

void releaseAudio() {
    Device& d = device();
    if (d.holds > 0) {
        --d.holds;
    }
}

void whenAudioCloses(std::function<void()> release) {
    device().onClose.push_back(std::move(release));
}

void setAudioCloseDelay(std::chrono::milliseconds delay) {
    device().closeDelay = delay;
}

} // namespace platform
