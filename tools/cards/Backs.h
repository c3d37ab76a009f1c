#pragma once

#include <QImage>

namespace cards {

// The backs: "reverso.jpg" for the four suit places and "reverso2.jpg" for the global card.
QImage drawSuitBack();
QImage drawGlobalBack();

} // namespace cards
