#pragma once

#include <QString>

namespace shell {

// Sets posicionBarra to the taskbar edge (0 left, 1 top, 2 right, 3 bottom; 0 when the query
// fails) and returns a description of the edge.
QString GetTaskBarPosition();

} // namespace shell
