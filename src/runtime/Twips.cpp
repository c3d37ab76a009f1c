#include "runtime/Twips.h"

#include <cmath>

namespace runtime {

double twipsPerPixel(double logicalDpi) {
    return kTwipsPerInch / logicalDpi;
}

int twipsToPixels(double twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips / twipsPerPixel(logicalDpi)));
}

double pixelsToTwips(int pixels, double logicalDpi) {
    return pixels * twipsPerPixel(logicalDpi);
}

} // namespace runtime
