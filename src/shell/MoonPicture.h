#pragma once

#include "runtime/Numeric.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace shell {

// The moon picture of a phase angle (degrees): N = the whole part of round(angle / 2) / 6, the
// rounding to even, so 0..359 give moon0..moon29 and 359 and more moon30.
int moonPictureNumber(runtime::Single angle);
// Program folder & "\lunagif\moon<N>.gif".
QString moonPicturePath(runtime::Single angle);

// What a picture box of that size shows for the angle: the picture at its top left corner (made
// smaller when it would not fit inside the box's 4-pixel border), and for the southern
// hemisphere ("Sur") the box turned half round except its last 4 columns and rows. A missing
// picture leaves the box empty.
QImage moonPictureBox(runtime::Single angle, const QString& hemisferioSel, QSize box);

} // namespace shell
