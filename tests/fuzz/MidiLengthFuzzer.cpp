// A tune file of the user's own choosing, whatever its bytes: its length is read without harm
// and is a time the music layer can count to.

#include "FuzzSupport.h"

#include "platform/MidiLength.h"

#include <chrono>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto length = platform::midiLength(fuzzing::bytes(data, size));
    if (length) {
        fuzzing::require(*length >= std::chrono::milliseconds(0) &&
                             *length <= std::chrono::hours(7 * 24),
                         "a length lies between nothing and a week");
    }
    return 0;
}
