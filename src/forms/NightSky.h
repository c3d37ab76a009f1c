#pragma once

class QWidget;

namespace forms {

// Paints the night sky that some windows have for a ground: a gradient from dark to violet blue,
// a fixed pattern of faint stars and a thin gold frame. No star touches a control of the window,
// shown or hidden, so none ever shows through a text, and the pattern stays the same whatever
// the window shows.
void paintNightSky(QWidget* window);

} // namespace forms
