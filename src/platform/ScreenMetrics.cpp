#include "platform/ScreenMetrics.h"

#include "runtime/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

QRect availableOverride;

const QScreen* primary() {
    return QGuiApplication::primaryScreen();
}

} // namespace

double twipsPerPixelX() {
    return runtime::twipsPerPixel(primary() ? primary()->logicalDotsPerInchX()
                                            : runtime::kDefaultDpi);
}

double twipsPerPixelY() {
    return runtime::twipsPerPixel(primary() ? primary()->logicalDotsPerInchY()
                                            : runtime::kDefaultDpi);
}

QSizeF screenSizeTwips() {
    const QSize pixels = primary() ? primary()->geometry().size() : QSize();
    return {pixels.width() * twipsPerPixelX(), pixels.height() * twipsPerPixelY()};
}

double bottomPanelTwips() {
    if (!primary()) {
        return 0.0;
    }
    const QRect available =
        availableOverride.isEmpty() ? primary()->availableGeometry() : availableOverride;
    const int below = primary()->geometry().bottom() - available.bottom();
    return std::max(0, below) * twipsPerPixelY();
}

void setAvailableAreaOverride(const QRect& area) {
    availableOverride = area;
}

QPoint pixelsToTwips(QPoint pixels) {
    return {static_cast<int>(std::lround(pixels.x() * twipsPerPixelX())),
            static_cast<int>(std::lround(pixels.y() * twipsPerPixelY()))};
}

QPoint twipsToPixels(QPoint twips) {
    return {static_cast<int>(std::lround(twips.x() / twipsPerPixelX())),
            static_cast<int>(std::lround(twips.y() / twipsPerPixelY()))};
}

} // namespace platform
