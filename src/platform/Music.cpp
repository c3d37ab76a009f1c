#include "platform/Music.h"

#include "platform/MidiLength.h"
#include "platform/SdlAudio.h"

#include <SDL2/SDL_mixer.h>

#include <QElapsedTimer>
#include <QFile>

#include <map>
#include <optional>

namespace platform {
namespace {

// The General MIDI soundfont of Debian's fluid-soundfont-gm, used unless SDL_SOUNDFONTS names
// another.
const char* const kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// SDL_mixer plays one tune at a time: the device that plays it is `m_current`; every other
// open device stands stopped. A MIDI tune ends at its last event: the synthesizer sounds on for
// seconds after that while its notes fade, and a tune restarted only then would fall silent.
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
        m_devices[id] = Device{music, false, tuneLength(path, music), {}, {}};
        holdAudio(); // a loaded tune belongs to the open audio device
        return id;
    }

    void play(MciDeviceId id) override {
        const auto found = m_devices.find(id);
        if (found == m_devices.end()) {
            return;
        }
        Device& device = found->second;
        if (m_current == id && device.paused) {
            Mix_ResumeMusic();
        } else if (Mix_PlayMusic(device.music, 0) == 0) {
            device.playedBefore = std::chrono::milliseconds(0);
        } else {
            return;
        }
        device.paused = false;
        device.playingSince.start();
        m_current = id;
    }

    long statusMode(MciDeviceId id) override {
        const auto found = m_devices.find(id);
        if (found == m_devices.end()) {
            return 0;
        }
        const Device& device = found->second;
        const bool playing = m_current == id && !device.paused && Mix_PlayingMusic() != 0 &&
                             !(device.length && position(device) >= *device.length);
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
        found->second.playingSince.invalidate();
        found->second.playedBefore = std::chrono::milliseconds(0);
    }

    void stop(MciDeviceId id) override {
        const auto found = m_devices.find(id);
        if (found == m_devices.end() || m_current != id) {
            return;
        }
        Mix_PauseMusic();
        Device& device = found->second;
        device.paused = true;
        device.playedBefore = position(device);
        device.playingSince.invalidate();
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
        std::optional<std::chrono::milliseconds> length; // known for MIDI tunes
        QElapsedTimer playingSince;                      // valid while it plays
        std::chrono::milliseconds playedBefore{0};       // up to the last stop
    };

    static std::optional<std::chrono::milliseconds> tuneLength(const QString& path,
                                                               Mix_Music* music) {
        QFile file(path);
        if (Mix_GetMusicType(music) != MUS_MID || !file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return midiLength(file.readAll());
    }

    // How far the tune has played from its start.
    static std::chrono::milliseconds position(const Device& device) {
        const auto sinceStart = device.playingSince.isValid()
                                    ? std::chrono::milliseconds(device.playingSince.elapsed())
                                    : std::chrono::milliseconds(0);
        return device.playedBefore + sinceStart;
    }

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
