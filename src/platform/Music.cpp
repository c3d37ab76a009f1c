#include "platform/Music.h"

#include "platform/SdlAudio.h"

#include <SDL2/SDL_mixer.h>

#include <QFile>

#include <map>

namespace platform {
namespace {

// The General MIDI soundfont of Debian's fluid-soundfont-gm, used unless SDL_SOUNDFONTS names
// another.
const char* const kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// SDL_mixer plays one tune at a time: the device that plays it is `m_current`; every other
// open device stands stopped.
class SdlMusicPlayer final : public MusicPlayer {
public:
    ~SdlMusicPlayer() override { closeAll(); }

    MciDeviceId open(const QString& path) override {
        if (!QFile::exists(path) || !openAudio()) {
            return 0;
        }
        useSoundFont();
        Mix_Music* music = Mix_LoadMUS(QFile::encodeName(path).constData());
        if (!music) {
            return 0;
        }
        const MciDeviceId id = m_nextId++;
        m_devices[id] = Device{music, false};
        holdAudio(); // a loaded tune belongs to the open audio device
        return id;
    }

    void play(MciDeviceId id) override {
        const auto found = m_devices.find(id);
        if (found == m_devices.end()) {
            return;
        }
        if (m_current == id && found->second.paused) {
            Mix_ResumeMusic();
        } else if (Mix_PlayMusic(found->second.music, 0) != 0) {
            return;
        }
        found->second.paused = false;
        m_current = id;
    }

    long statusMode(MciDeviceId id) override {
        const auto found = m_devices.find(id);
        if (found == m_devices.end()) {
            return 0;
        }
        const bool playing = m_current == id && !found->second.paused && Mix_PlayingMusic() != 0;
        return playing ? kMciModePlay : kMciModeStop;
    }

    void seekToStart(MciDeviceId id) override {
        const auto found = m_devices.find(id);
        if (found == m_devices.end()) {
            return;
        }
        if (m_current == id) {
            Mix_HaltMusic();
            m_current = 0;
        }
        found->second.paused = false;
    }

    void stop(MciDeviceId id) override {
        const auto found = m_devices.find(id);
        if (found == m_devices.end() || m_current != id) {
            return;
        }
        Mix_PauseMusic();
        found->second.paused = true;
    }

    void close(MciDeviceId id) override {
        const auto found = m_devices.find(id);
        if (found == m_devices.end()) {
            return;
        }
        if (m_current == id) {
            Mix_HaltMusic();
            m_current = 0;
        }
        Mix_FreeMusic(found->second.music);
        m_devices.erase(found);
        releaseAudio();
    }

    void closeAll() override {
        while (!m_devices.empty()) {
            close(m_devices.begin()->first);
        }
    }

private:
    struct Device {
        Mix_Music* music = nullptr;
        bool paused = false;
    };

    static void useSoundFont() {
        static const bool set = [] {
            if (qEnvironmentVariableIsEmpty("SDL_SOUNDFONTS") && QFile::exists(kSoundFont)) {
                Mix_SetSoundFonts(kSoundFont);
            }
            return true;
        }();
        (void)set;
    }

    std::map<MciDeviceId, Device> m_devices;
    MciDeviceId m_nextId = 1;
    MciDeviceId m_current = 0;
};

MusicPlayer* current = nullptr;

MusicPlayer& realPlayer() {
    static SdlMusicPlayer player;
    return player;
}

} // namespace

MusicPlayer& musicPlayer() {
    return current ? *current : realPlayer();
}

void setMusicPlayer(MusicPlayer* player) {
    current = player;
}

} // namespace platform
