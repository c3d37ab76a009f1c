#pragma once

namespace app {

// The start procedure: refuses a second instance on the same program folder with a message,
// otherwise loads the hidden background window; a lock that cannot be kept at all does not stop
// the start. False when the program must end at once.
bool startProgram();

} // namespace app
