#include "forms/NightSky.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace forms {
namespace {

constexpr int kStars = 60;
const QColor kSkyTop(0x10, 0x16, 0x3a);
const QColor kSkyBottom(0x2a, 0x22, 0x56);
const QColor kFrame(0xe0, 0xb8, 0x4c, 160);

struct Star {
    QPointF centre;
    double radius;
    QColor colour;
};

// The stars spread over the whole window, whatever its size.
Star star(int i, QSizeF sky) {
    return {QPointF(std::fmod(i * 97.31, sky.width()),
                    std::fmod(i * 53.77 + i * i * 0.61, sky.height())),
            0.4 + (i % 3) * 0.3, QColor(255, 255, 255, 40 + (i * 37) % 90)};
}

// Where the window's controls draw, a pixel wider all round: a star's soft edge must not reach
// in, whatever the screen's scale rounds.
QList<QRect> controlRects(const QWidget* window) {
    QList<QRect> rects;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            rects.append(child->geometry().adjusted(-1, -1, 1, 1));
        }
    }
    return rects;
}

bool touchesAny(const Star& s, const QList<QRect>& rects) {
    const QPointF corner(s.radius, s.radius);
    const QRect disc = QRectF(s.centre - corner, s.centre + corner).toAlignedRect();
    return std::any_of(rects.begin(), rects.end(),
                       [&](const QRect& rect) { return rect.intersects(disc); });
}

} // namespace

void paintNightSky(QWidget* window) {
    QPainter painter(window);
    const QSizeF sky = window->size();
    QLinearGradient ground(0, 0, 0, sky.height());
    ground.setColorAt(0, kSkyTop);
    ground.setColorAt(1, kSkyBottom);
    painter.fillRect(window->rect(), ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QList<QRect> controls = controlRects(window);
    for (int i = 0; i < kStars; ++i) {
        const Star s = star(i, sky);
        if (!touchesAny(s, controls)) {
            painter.setBrush(s.colour);
            painter.drawEllipse(s.centre, s.radius, s.radius);
        }
    }
    painter.setPen(QPen(kFrame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(0.5, 0.5), sky - QSizeF(1, 1)));
}

} // namespace forms
