#pragma once

#include "CardFrame.h"

#include <QPointF>
#include <QRectF>

namespace cards {

enum class Suit { Swords, Batons, Cups, Coins };

// The suit signs, each drawn from its lower end (hilt, butt, foot) towards its upper end.
void drawSword(Art& art, QPointF hilt, QPointF tip, double bend = 0.0, double scale = 1.0);
void drawBaton(Art& art, QPointF butt, QPointF top, double scale = 1.0);
void drawCup(Art& art, QPointF foot, double height);
void drawCoin(Art& art, QPointF centre, double r);

// A suit sign upright in a box.
void drawSuitSign(Art& art, Suit suit, const QRectF& box);

// A hand coming out of a cloud at the left, its fist at the point (the aces hold their sign).
void drawCloudHand(Art& art, QPointF fist, double scale);

// The pip cards 1 to 10, arranged as the Marseille pattern arranges them, in panel coordinates.
void drawPips(Art& art, Suit suit, int rank);

} // namespace cards
