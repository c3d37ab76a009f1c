#pragma once

#include <functional>

namespace runtime {

// Lets pending events run once (timers, clicks, tray callbacks); only the places that must yield
// call it.
void DoEvents();

// Marks code that runs events before it returns: DoEvents, a modal box, a wait. Those events may
// unload the window whose code is waiting; while such code runs anywhere, frames of that window
// may still be on the stack, so the window runtime deletes unloaded windows only once the
// outermost of them has ended (the hook below).
class NestedEvents {
public:
    NestedEvents();
    ~NestedEvents();
    NestedEvents(const NestedEvents&) = delete;
    NestedEvents& operator=(const NestedEvents&) = delete;
};

bool nestedEventsRunning();
// Runs each time the outermost NestedEvents ends.
void setAfterNestedEvents(std::function<void()> hook);

} // namespace runtime
