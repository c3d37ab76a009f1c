#include "platform/ScreenMetrics.h"

#include "platform/TaskbarEdge.h"
#include "runtime/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

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

QRect primaryScreenRect() {
    return primary() ? primary()->geometry() : QRect();
}

QSizeF screenSizeTwips() {
    const QSize pixels = primaryScreenRect().size();
    return {pixels.width() * twipsPerPixelX(), pixels.height() * twipsPerPixelY()};
}

double bottomPanelTwips() {
    const auto screen = primaryScreenGeometry();
    if (!screen) {
        return 0.0;
    }
    const int below = screen->full.bottom() - screen->available.bottom();
    return std::max(0, below) * twipsPerPixelY();
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
