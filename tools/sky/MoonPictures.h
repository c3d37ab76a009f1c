#pragma once

#include <QImage>

namespace sky {

// Side of the moon pictures, in pixels (the picture boxes add a 4-pixel border around them).
constexpr int kMoonSize = 64;
// Pictures moon0 to moon30, one every 12 degrees of phase angle.
constexpr int kMoonPictures = 31;
constexpr double kDegreesPerPicture = 12.0;

// The moon at a phase angle in degrees: 0 new, 90 first quarter (lit on the right), 180 full,
// 270 last quarter, 360 new again.
QImage drawMoon(double phaseAngle);

} // namespace sky
