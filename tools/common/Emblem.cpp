#include "Emblem.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace tooldraw {
namespace {

constexpr int kOversample = 4;

} // namespace

void emblem(Canvas& c, QSizeF s) {
    const double w = s.width();
    const QRectF card(w * 0.18, w * 0.06, w * 0.64, w * 0.88);
    QPainterPath body;
    body.addRoundedRect(card, w * 0.08, w * 0.08);
    QLinearGradient night(card.topLeft(), card.bottomLeft());
    night.setColorAt(0, QColor(0x2c, 0x3e, 0x86));
    night.setColorAt(1, kNavy);
    c.painter().setPen(QPen(kGold, w * 0.045));
    c.painter().setBrush(night);
    c.painter().drawPath(body);
    const QPointF centre = card.center() + QPointF(0, -w * 0.04);
    QPainterPath moon;
    moon.addEllipse(centre, w * 0.2, w * 0.2);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(w * 0.09, -w * 0.05), w * 0.17, w * 0.17);
    c.wash(moon.subtracted(bite), kGold);
    const QPointF starAt = centre + QPointF(w * 0.09, w * 0.02);
    c.painter().setPen(Qt::NoPen);
    c.painter().setBrush(QColor(0xff, 0xf2, 0xc4));
    QPolygonF star;
    for (int i = 0; i < 8; ++i) {
        const double r = (i % 2 == 0) ? w * 0.085 : w * 0.028;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 4;
        star << starAt + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    c.painter().drawPolygon(star);
}

void paintPicture(QPainter& painter, QSizeF size, const Drawing& draw) {
    painter.setRenderHint(QPainter::Antialiasing);
    Canvas canvas(painter, {QColor(0x20, 0x18, 0x10), 1.0, false});
    draw(canvas, size);
}

QImage renderPicture(QSize size, const Drawing& draw) {
    QImage big(size * kOversample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.scale(kOversample, kOversample);
    paintPicture(painter, QSizeF(size), draw);
    painter.end();
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace tooldraw
