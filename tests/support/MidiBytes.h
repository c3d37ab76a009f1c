#pragma once

#include <QByteArray>
#include <QList>

#include <initializer_list>

namespace testing_support {

// Standard MIDI File bytes, built by hand so that a test states every tick of its tune.

inline QByteArray bigEndian(quint32 value, int bytes) {
    QByteArray out;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xff);
    }
    return out;
}

inline QByteArray midiVariable(quint32 value) {
    QByteArray out(1, static_cast<char>(value & 0x7f));
    while ((value >>= 7) != 0) {
        out.prepend(static_cast<char>((value & 0x7f) | 0x80));
    }
    return out;
}

// One event: the ticks since the one before, then its bytes.
inline QByteArray midiEvent(quint32 delta, std::initializer_list<int> bytes) {
    QByteArray out = midiVariable(delta);
    for (const int b : bytes) {
        out += static_cast<char>(b);
    }
    return out;
}

inline QByteArray midiTempo(quint32 delta, quint32 microsecondsPerQuarter) {
    return midiEvent(delta, {0xff, 0x51, 0x03}) + bigEndian(microsecondsPerQuarter, 3);
}

inline QByteArray midiEndOfTrack(quint32 delta) {
    return midiEvent(delta, {0xff, 0x2f, 0x00});
}

inline QByteArray midiTrack(const QByteArray& events) {
    return "MTrk" + bigEndian(static_cast<quint32>(events.size()), 4) + events;
}

inline QByteArray midiFile(int format, int division, const QList<QByteArray>& tracks) {
    QByteArray out = "MThd" + bigEndian(6, 4) + bigEndian(static_cast<quint32>(format), 2) +
                     bigEndian(static_cast<quint32>(tracks.size()), 2) +
                     bigEndian(static_cast<quint32>(division), 2);
    for (const QByteArray& track : tracks) {
        out += midiTrack(track);
    }
    return out;
}

// Quarter notes one after the other at 480 ticks a quarter (a second for two at the default
// tempo), from the pitch up by whole tones.
inline QByteArray midiQuarters(int count, int pitch = 60) {
    QByteArray notes;
    for (int i = 0; i < count; ++i) {
        notes +=
            midiEvent(0, {0x90, pitch + 2 * i, 100}) + midiEvent(480, {0x80, pitch + 2 * i, 0});
    }
    return notes;
}

} // namespace testing_support
