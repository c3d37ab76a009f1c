#pragma once

namespace app {

// Makes the main windows known by the names the start-window setting and the "Go to..." items
// use, so that the background window can load them.
void registerWindows();

} // namespace app
