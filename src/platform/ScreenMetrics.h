#pragma once

#include <QPoint>
#include <QRect>
#include <QSizeF>

namespace platform {

// Twips per pixel of the primary screen, across and down (15 at 96 DPI).
double twipsPerPixelX();
double twipsPerPixelY();
// The primary screen (monitor) on the desktop, in pixels; empty without a screen.
QRect primaryScreenRect();
// The primary screen's full size in twips.
QSizeF screenSizeTwips();
// How far panels reach up from the primary screen's bottom edge (the part of the screen below
// its available area), in twips; 0 without a panel there.
double bottomPanelTwips();
// A screen position in pixels as twips, each axis rounded to a whole number.
QPoint pixelsToTwips(QPoint pixels);
// A position in twips as screen pixels.
QPoint twipsToPixels(QPoint twips);

} // namespace platform
