#pragma once

#include <functional>

namespace shell {

// Ends the program at once: the event loop stops and no further events run.
void endProgram();

// Tests put something else in place of the end; an empty function puts the real end back.
void setProgramEnd(std::function<void()> end);

} // namespace shell
