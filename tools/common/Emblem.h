#pragma once

#include "Canvas.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSizeF>

#include <functional>

namespace tooldraw {

// The program's own colours.
inline const QColor kNavy(0x17, 0x1d, 0x3f);
inline const QColor kGold(0xe0, 0xb8, 0x4c);

// A picture drawn on a canvas of the given size (in pixels, or in user units of a drawing).
using Drawing = std::function<void(Canvas&, QSizeF)>;

// The program's emblem: a card with a crescent moon and a star on a midnight ground. The tray
// icon, the windows' icon and the desktop's icons of the program are all this drawing.
void emblem(Canvas& c, QSizeF s);

// The drawing on any painter (an image, an SVG generator) at the given size.
void paintPicture(QPainter& painter, QSizeF size, const Drawing& draw);

// The drawing as an image: painted four times larger and scaled down smoothly, which gives the
// small pictures softer edges than the painter's own antialiasing.
QImage renderPicture(QSize size, const Drawing& draw);

} // namespace tooldraw
