#pragma once

#include <QImage>

namespace shell {

// Turns the rectangle (x, y, w, h) of the picture in place, byte by byte through a copy:
// mode 0 a quarter turn clockwise, 1 a half turn, 2 a quarter turn counter-clockwise (0 and 2
// need w = h); any other mode turns the rectangle black. Pixels outside it are untouched; a
// rectangle that does not fit inside the picture is clipped to it.
void RotarImagen(QImage& image, int mode, int x, int y, int w, int h);

} // namespace shell
