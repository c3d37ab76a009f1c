#pragma once

#include "runtime/DateValue.h"

class QWidget;

namespace readings {

// Shows the sign of a date by the fixed table on a window that has a picture `ImageZod` and a
// label `LabelZod`: the sign's picture, its English name, and the days of its row as the
// picture's tooltip. Sets rutaSignos and numSigno. A missing picture shows nothing.
void mostrarSigno(runtime::DateValue d, QWidget* window);

} // namespace readings
