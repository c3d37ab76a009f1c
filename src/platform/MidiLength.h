#pragma once

#include <QByteArray>

#include <chrono>
#include <optional>

namespace platform {

// How long a Standard MIDI File plays: from its start to its last event (the latest end of
// track over all tracks, with every tempo change on the way; SMPTE time when the header asks
// for it). A track cut off counts to its last whole event. Nothing for bytes that are not such
// a file (no header, no track, no time base).
// The synthesizer sounds on after that while its last notes fade; that tail is not the tune.
std::optional<std::chrono::milliseconds> midiLength(const QByteArray& smf);

} // namespace platform
