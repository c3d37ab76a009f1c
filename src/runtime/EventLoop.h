#pragma once

namespace runtime {

// Lets pending events run once (timers, clicks, tray callbacks); only the places that must yield
// call it.
void DoEvents();

} // namespace runtime
