#pragma once

#include <QPoint>
#include <QSizeF>

namespace platform {

// Twips per pixel of the primary screen, across and down (15 at 96 DPI).
double twipsPerPixelX();
double twipsPerPixelY();
// The primary screen's full size in twips.
QSizeF screenSizeTwips();
// A screen position in pixels as twips, each axis rounded to a whole number.
QPoint pixelsToTwips(QPoint pixels);
// A position in twips as screen pixels.
QPoint twipsToPixels(QPoint twips);

} // namespace platform
