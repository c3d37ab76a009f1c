#include "platform/Sound.h"

#include "platform/SdlAudio.h"

#include <SDL2/SDL_mixer.h>

#include <QByteArray>
#include <QFile>

#include <map>

namespace platform {
namespace {

// The sounds loaded for the open device stay loaded while it is open and go with it.
class SdlSoundPlayer final : public SoundPlayer {
public:
    SdlSoundPlayer() {
        whenAudioCloses([this] { freeChunks(); });
    }
    ~SdlSoundPlayer() override { freeChunks(); }

    void play(const QString& wavPath) override {
        if (!QFile::exists(wavPath) || !openAudio()) {
            return;
        }
        Mix_Chunk* chunk = load(wavPath);
        if (chunk) {
            Mix_PlayChannel(-1, chunk, 0);
        }
    }

private:
    void freeChunks() {
        for (auto& [path, chunk] : m_chunks) {
            Mix_FreeChunk(chunk);
        }
        m_chunks.clear();
    }

    Mix_Chunk* load(const QString& path) {
        const auto found = m_chunks.find(path);
        if (found != m_chunks.end()) {
            return found->second;
        }
        Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
        if (chunk) {
            m_chunks[path] = chunk;
        }
        return chunk;
    }

    std::map<QString, Mix_Chunk*> m_chunks;
};

SoundPlayer* current = nullptr;

SoundPlayer& realPlayer() {
    static SdlSoundPlayer player;
    return player;
}

} // namespace

SoundPlayer& soundPlayer() {
    return current ? *current : realPlayer();
}

void setSoundPlayer(SoundPlayer* player) {
    current = player;
}

void sndPlaySound(const QString& wavPath) {
    soundPlayer().play(wavPath);
}

} // namespace platform
