#pragma once

#include <QRect>

#include <gtest/gtest.h>

#include <vector>

class QWidget;

namespace testing_support {

// The monitors the X server of the run was split into (tests/support/x11/with-xfwm4.sh), as
// VELARCANA_TEST_MONITORS lists them in xrandr's form, the primary one first.
std::vector<QRect> monitorsOfTheRun();

// A test on the real X server of the run: fails at once where Qt does not see the monitors the run
// was given, the primary one where it was put.
class X11LayoutTest : public testing::Test {
protected:
    void SetUp() override;

    const std::vector<QRect> monitors = monitorsOfTheRun();
    const QRect primary = monitors.empty() ? QRect() : monitors.front();
};

// Where a shown window really stands on the X server (root coordinates of its own area, without
// the window manager's frame), once the window manager has mapped it.
QRect placeOnServer(const QWidget& window);

} // namespace testing_support
