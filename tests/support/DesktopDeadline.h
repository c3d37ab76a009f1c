#pragma once

namespace testing_support {

// How long a test waits for the X server, a tray host or the bus before it fails.
constexpr int kDesktopDeadlineMs = 10000;

} // namespace testing_support
