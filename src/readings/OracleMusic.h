#pragma once

#include <QString>

#include <functional>
#include <optional>

class QTimer;

namespace readings {

// "SoundAmbient": "syp" when the music was switched on, "nop" when off.
inline const QString kSoundAmbientKey = QStringLiteral("SoundAmbient");
inline const QString kSongAmbientKey = QStringLiteral("SongAmbient");
inline const QString kMusicOn = QStringLiteral("syp");
inline const QString kMusicOff = QStringLiteral("nop");
inline const QString kDefaultTune = QStringLiteral("\\ambiente.mid");

// "syp" and an empty value mean music on; any other value off.
bool musicIsOn(const QString& soundAmbient);
// The tune to play: "SongAmbient" when set, else the program folder's "\ambiente.mid".
QString tuneToPlay(const QString& songAmbient);

// Why a chosen tune cannot be stored as "SongAmbient", or nothing when it can: the settings file
// holds Windows-1252 text of at most 254 characters a value on one line, and a path cut short, with
// "?" in place of a character or spread over lines names no file.
std::optional<QString> midiPathFault(const QString& path);

// Lets pending events run on behalf of the window that plays the music; false when that window
// was unloaded in them.
using MusicPause = std::function<bool()>;

// Plays the tune from its start, closing the one open before, and switches on the timer that
// restarts it at its end. Between opening the tune and playing it comes the pause: when the
// window went in it, the tune just opened is closed again, nothing plays and the answer is false.
bool tocarMidi(const QString& tunePath, QTimer& timerMidi, const MusicPause& pause);
// Stops all music ("close all") and the restart timer.
void pararMidi(QTimer& timerMidi);
// The restart timer's tick: a tune that reached its end plays again from its start.
void restartTuneAtEnd();
// Stops and closes the open tune; the identifier stays, so the restart timer finds nothing
// to restart until the next tocarMidi.
void stopTuneAtUnload();

} // namespace readings
