#include "SignPictures.h"

#include "Canvas.h"

#include <QPainter>
#include <QRadialGradient>

namespace sky {

namespace {

constexpr int kScale = 4; // drawn at four times the size, then scaled down

struct ElementColours {
    QColor deep, light, figure;
};

// Fire, earth, air, water.
const ElementColours kElements[] = {
    {QColor(0x5a, 0x10, 0x14), QColor(0xb8, 0x3a, 0x22), QColor(0xf2, 0xa0, 0x62)},
    {QColor(0x14, 0x32, 0x1c), QColor(0x4e, 0x86, 0x3c), QColor(0xb8, 0xd8, 0x8a)},
    {QColor(0x2a, 0x1c, 0x5c), QColor(0x6e, 0x6c, 0xc4), QColor(0xc4, 0xc8, 0xf4)},
    {QColor(0x0c, 0x24, 0x4c), QColor(0x2c, 0x7c, 0xb4), QColor(0x9c, 0xd4, 0xf0)},
};
const QColor kGold(0xf0, 0xc8, 0x5a);
const QColor kGoldDark(0x6a, 0x4a, 0x12);

} // namespace

const std::vector<Sign>& signs() {
    static const std::vector<Sign> list = {
        {"Aries", "\u2648", "\U0001F40F", 0},     {"Tauro", "\u2649", "\U0001F402", 1},
        {"Geminis", "\u264A", "\U0001F46B", 2},   {"Cancer", "\u264B", "\U0001F980", 3},
        {"Leo", "\u264C", "\U0001F981", 0},       {"Virgo", "\u264D", "\U0001F33E", 1},
        {"Libra", "\u264E", "\u2696", 2},         {"Escorpio", "\u264F", "\U0001F982", 3},
        {"Sagitario", "\u2650", "\U0001F3F9", 0}, {"Capricornio", "\u2651", "\U0001F410", 1},
        {"Acuario", "\u2652", "\U0001F3FA", 2},   {"Piscis", "\u2653", "\U0001F41F", 3},
    };
    return list;
}

QImage drawSign(const Sign& sign) {
    const int side = kSignSize * kScale;
    QImage image(side, side, QImage::Format_RGB32);
    const ElementColours& colours = kElements[sign.element];
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    const QPointF centre(kSignSize / 2.0, kSignSize / 2.0);
    QRadialGradient ground(centre, kSignSize * 0.75);
    ground.setColorAt(0, colours.light);
    ground.setColorAt(1, colours.deep);
    painter.fillRect(QRectF(0, 0, kSignSize, kSignSize), ground);

    tooldraw::Canvas canvas(painter, {kGoldDark, 0.5, false});
    QPainterPath ring;
    ring.addEllipse(centre, 29.5, 29.5);
    canvas.stroke(ring, kGold, 1.6);
    QPainterPath inner;
    inner.addEllipse(centre, 26.5, 26.5);
    canvas.stroke(inner, kGold, 0.5);
    // The figure fills the medallion softly; the glyph stands over it.
    painter.setOpacity(0.55);
    canvas.glyph(sign.figure, QRectF(12, 10, 40, 40), colours.figure);
    painter.setOpacity(1.0);
    const QRectF glyphBox(19, 19, 26, 26);
    QPainterPath glyph = tooldraw::fittedText(sign.glyph, glyphBox, tooldraw::Face::Symbols);
    painter.setPen(QPen(kGoldDark, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(glyph);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    painter.drawPath(glyph);
    painter.end();
    return image.scaled(kSignSize, kSignSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace sky
