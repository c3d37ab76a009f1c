#include "Backs.h"

#include "CardFrame.h"
#include "DeckStyle.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

using tooldraw::Face;
using tooldraw::mix;

namespace cards {

namespace {

constexpr double kMiddleX = kCardWidth / 2.0;
constexpr double kMiddleY = kCardHeight / 2.0;

void backGround(Art& art, const QColor& deep, const QColor& light) {
    QPainter& p = art.canvas.painter();
    QRadialGradient glow(QPointF(kMiddleX, kMiddleY), kCardHeight * 0.6);
    glow.setColorAt(0, light);
    glow.setColorAt(1, deep);
    p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), glow);
}

void lattice(Art& art, const QColor& colour) {
    const double step = 26.0;
    QPainterPath lines;
    for (double x = -kCardHeight; x < kCardWidth + kCardHeight; x += step) {
        lines.moveTo(x, 0);
        lines.lineTo(x + kCardHeight, kCardHeight);
        lines.moveTo(x, kCardHeight);
        lines.lineTo(x + kCardHeight, 0);
    }
    art.canvas.stroke(lines, colour, 0.7);
    QPainter& p = art.canvas.painter();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (double y = 0; y <= kCardHeight + step; y += step) {
        for (double x = 0; x <= kCardWidth + step; x += step) {
            const double ox = std::fmod(kCardHeight, step);
            p.drawEllipse(QPointF(x + std::fmod(ox, step) / 2.0, y), 1.6, 1.6);
        }
    }
}

void frame(Art& art, const QColor& colour) {
    QPainterPath outer;
    outer.addRoundedRect(QRectF(8, 8, kCardWidth - 16, kCardHeight - 16), 12, 12);
    art.canvas.stroke(outer, colour, 2.4);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(15, 15, kCardWidth - 30, kCardHeight - 30), 9, 9);
    art.canvas.stroke(inner, colour, 0.9);
}

void rays(Art& art, QPointF centre, double r1, double r2, int count, const QColor& colour) {
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        const double a = 2.0 * std::numbers::pi * i / count;
        const double b = a + std::numbers::pi / count;
        path.moveTo(centre + QPointF(std::cos(a - 0.05), std::sin(a - 0.05)) * r1);
        path.lineTo(centre + QPointF(std::cos(a), std::sin(a)) * r2);
        path.lineTo(centre + QPointF(std::cos(a + 0.05), std::sin(a + 0.05)) * r1);
        path.moveTo(centre + QPointF(std::cos(b), std::sin(b)) * r1);
        path.lineTo(centre + QPointF(std::cos(b), std::sin(b)) * (r1 + (r2 - r1) * 0.55));
    }
    art.canvas.stroke(path, colour, 1.2);
}

} // namespace

QImage drawSuitBack() {
    const DeckStyle& deck = minorDeck();
    return drawFullCard(deck, [&deck](Art& art) {
        const QColor gold = deck.frame;
        backGround(art, QColor(0x0f, 0x17, 0x3a), QColor(0x2a, 0x3f, 0x86));
        lattice(art, mix(gold, QColor(0x0f, 0x17, 0x3a), 0.55));
        frame(art, gold);
        const QPointF centre(kMiddleX, kMiddleY);
        art.canvas.circle(centre, 78, QColor(0x14, 0x1e, 0x48), 0.0);
        QPainterPath ring;
        ring.addEllipse(centre, 78, 78);
        ring.addEllipse(centre, 72, 72);
        art.canvas.stroke(ring, gold, 1.2);
        rays(art, centre, 40, 66, 16, gold);
        art.canvas.circle(centre, 36, mix(gold, QColor(0xff, 0xf0, 0xc0), 0.3), 0.0);
        // The moon's crescent over the sun.
        QPainterPath crescent;
        crescent.addEllipse(centre, 26, 26);
        QPainterPath bite;
        bite.addEllipse(centre + QPointF(10, -6), 23, 23);
        art.canvas.wash(crescent.subtracted(bite), QColor(0x14, 0x1e, 0x48));
        for (const QPointF& at : {QPointF(kMiddleX, 62), QPointF(kMiddleX, kCardHeight - 62)}) {
            art.canvas.star(at, 16, 8, gold, 0.42);
        }
    });
}

QImage drawGlobalBack() {
    const DeckStyle& deck = minorDeck();
    return drawFullCard(deck, [&deck](Art& art) {
        const QColor gold = deck.frame;
        const QColor wine(0x4a, 0x0e, 0x22);
        backGround(art, QColor(0x2c, 0x06, 0x14), QColor(0x86, 0x1f, 0x3c));
        lattice(art, mix(gold, wine, 0.6));
        frame(art, gold);
        const QPointF centre(kMiddleX, kMiddleY);
        art.canvas.circle(centre, 92, wine, 0.0);
        QPainterPath ring;
        ring.addEllipse(centre, 92, 92);
        ring.addEllipse(centre, 86, 86);
        art.canvas.stroke(ring, gold, 1.2);
        for (int i = 0; i < 12; ++i) {
            const double a = 2.0 * std::numbers::pi * i / 12 - std::numbers::pi / 2;
            art.canvas.circle(centre + QPointF(std::cos(a), std::sin(a)) * 74, 5, gold, 0.0);
        }
        art.canvas.star(centre, 62, 7, gold, 0.5);
        art.canvas.star(centre, 30, 7, wine, 0.5, std::numbers::pi / 7);
        art.canvas.circle(centre, 10, gold, 0.0);
        for (const QPointF& at : {QPointF(kMiddleX, 58), QPointF(kMiddleX, kCardHeight - 58)}) {
            art.canvas.glyph(QString::fromUtf8("\u2726"), QRectF(at.x() - 14, at.y() - 14, 28, 28),
                             gold);
        }
    });
}

} // namespace cards
