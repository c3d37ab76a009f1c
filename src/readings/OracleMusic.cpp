#include "readings/OracleMusic.h"

#include "platform/IniFile.h"
#include "platform/Music.h"
#include "readings/ReadingsState.h"
#include "runtime/Ansi.h"
#include "runtime/ProgramFolder.h"

#include <QTimer>

namespace readings {
namespace {

platform::MciDeviceId openDevice() {
    return static_cast<platform::MciDeviceId>(readingsState().midiId);
}

} // namespace

bool musicIsOn(const QString& soundAmbient) {
    return soundAmbient.isEmpty() || soundAmbient == kMusicOn;
}

QString tuneToPlay(const QString& songAmbient) {
    return songAmbient.isEmpty() ? runtime::programPath(kDefaultTune) : songAmbient;
}

std::optional<QString> midiPathFault(const QString& path) {
    const QString foreign = runtime::nonAnsiCharacters(path);
    if (!foreign.isEmpty()) {
        return QStringLiteral("The path of the midi file can not contain \"%1\".").arg(foreign);
    }
    if (platform::holdsControlCharacter(path)) {
        return QStringLiteral(
            "The path of the midi file can not contain a line break or another control character.");
    }
    if (path.size() > platform::kProfileValueMax) {
        return QStringLiteral("The path of the midi file can not be longer than %1 characters.")
            .arg(platform::kProfileValueMax);
    }
    return std::nullopt;
}

bool tocarMidi(const QString& tunePath, QTimer& timerMidi, const MusicPause& pause) {
    ReadingsState& r = readingsState();
    platform::MusicPlayer& player = platform::musicPlayer();
    if (r.midiId != 0) {
        player.close(openDevice());
        r.midiId = 0;
    }
    const platform::MciDeviceId id = player.open(tunePath);
    if (!pause()) {
        // The window's unload stopped the music before this tune was known to it.
        if (id != 0) {
            player.close(id);
        }
        return false;
    }
    r.midiId = static_cast<runtime::Long>(id);
    player.play(id);
    timerMidi.start();
    return true;
}

void pararMidi(QTimer& timerMidi) {
    platform::musicPlayer().closeAll();
    readingsState().midiId = 0;
    timerMidi.stop();
}

void restartTuneAtEnd() {
    if (readingsState().midiId == 0) {
        return;
    }
    platform::MusicPlayer& player = platform::musicPlayer();
    if (player.statusMode(openDevice()) == platform::kMciModeStop) {
        player.seekToStart(openDevice());
        player.play(openDevice());
    }
}

void stopTuneAtUnload() {
    platform::MusicPlayer& player = platform::musicPlayer();
    player.stop(openDevice());
    player.close(openDevice());
}

} // namespace readings
