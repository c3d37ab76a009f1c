#include "SuitSigns.h"

#include <QLineF>
#include <QPolygonF>

#include <cmath>
#include <numbers>
#include <vector>

using tooldraw::mix;

namespace cards {

namespace {

constexpr double kPanelMiddle = kPanelWidth / 2.0;

QPointF along(QPointF from, QPointF to, double t) {
    return from + (to - from) * t;
}

QPointF unitNormal(QPointF from, QPointF to) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    return length > 0 ? QPointF(-d.y() / length, d.x() / length) : QPointF(0, 0);
}

// A point of the quadratic curve from a to b bowed by `bow` along the normal.
QPointF bowed(QPointF a, QPointF b, double bow, double t) {
    const QPointF control = along(a, b, 0.5) + unitNormal(a, b) * bow;
    const double u = 1.0 - t;
    return a * (u * u) + control * (2 * u * t) + b * (t * t);
}

void flower(Art& art, QPointF centre, double r) {
    const DeckStyle& d = art.deck;
    for (int i = 0; i < 4; ++i) {
        const double angle = i * std::numbers::pi / 2.0 + std::numbers::pi / 4.0;
        const QPointF tip = centre + QPointF(std::cos(angle), std::sin(angle)) * r;
        QPainterPath leaf;
        leaf.moveTo(centre);
        leaf.quadTo(centre + (tip - centre) * 0.5 + unitNormal(centre, tip) * r * 0.35, tip);
        leaf.quadTo(centre + (tip - centre) * 0.5 - unitNormal(centre, tip) * r * 0.35, centre);
        art.canvas.shape(leaf, d.green, 0.7);
    }
    for (int i = 0; i < 4; ++i) {
        const double angle = i * std::numbers::pi / 2.0;
        art.canvas.circle(centre + QPointF(std::cos(angle), std::sin(angle)) * r * 0.42, r * 0.3,
                          d.red, 0.7);
    }
    art.canvas.circle(centre, r * 0.22, d.yellow, 0.7);
}

} // namespace

void drawSword(Art& art, QPointF hilt, QPointF tip, double bend, double scale) {
    const DeckStyle& d = art.deck;
    const double length = QLineF(hilt, tip).length();
    const QPointF guard = bowed(hilt, tip, bend * length, 0.2);
    // Blade: both edges follow the bowed line from the guard to the point.
    const double half = 5.4 * scale;
    QPolygonF left, right;
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = 0.2 + 0.8 * i / kSteps;
        const QPointF p = bowed(hilt, tip, bend * length, t);
        const QPointF q = bowed(hilt, tip, bend * length, std::min(1.0, t + 0.01));
        const QPointF n = unitNormal(p, q == p ? tip : q);
        const double w = half * (1.0 - 0.8 * std::pow((t - 0.2) / 0.8, 3.0));
        left << p + n * w;
        right << p - n * w;
    }
    QPainterPath blade;
    blade.moveTo(left.first());
    for (const QPointF& p : left) {
        blade.lineTo(p);
    }
    blade.lineTo(tip);
    for (auto it = right.rbegin(); it != right.rend(); ++it) {
        blade.lineTo(*it);
    }
    blade.closeSubpath();
    art.canvas.shape(blade, mix(d.lightBlue, d.white, 0.55));
    QPainterPath fuller(bowed(hilt, tip, bend * length, 0.24));
    for (int i = 1; i <= 12; ++i) {
        fuller.lineTo(bowed(hilt, tip, bend * length, 0.24 + 0.6 * i / 12.0));
    }
    art.canvas.stroke(fuller, 0.45);
    // Grip, guard and pommel.
    const QPointF n = unitNormal(hilt, guard);
    art.canvas.limb(along(hilt, guard, 0.15), guard, 5.0 * scale, d.red);
    const QPointF g1 = guard + n * 15.0 * scale;
    const QPointF g2 = guard - n * 15.0 * scale;
    art.canvas.limb(g1, g2, 4.6 * scale, d.yellow);
    art.canvas.circle(g1, 3.2 * scale, d.yellow, 0.8);
    art.canvas.circle(g2, 3.2 * scale, d.yellow, 0.8);
    art.canvas.circle(hilt, 4.8 * scale, d.yellow, 0.9);
}

void drawBaton(Art& art, QPointF butt, QPointF top, double scale) {
    const DeckStyle& d = art.deck;
    const QPointF n = unitNormal(butt, top);
    const double wb = 5.0 * scale;
    const double wt = 7.0 * scale;
    QPainterPath body;
    body.moveTo(butt + n * wb);
    body.lineTo(top + n * wt);
    body.lineTo(top - n * wt);
    body.lineTo(butt - n * wb);
    body.closeSubpath();
    art.canvas.shape(body, mix(d.yellow, d.brown, 0.25));
    // Bands of colour near both ends, and the knots where branches were cut.
    for (const auto& [from, to, colour] : {std::tuple{0.0, 0.1, d.red}, std::tuple{0.9, 1.0, d.red},
                                           std::tuple{0.45, 0.55, d.blue}}) {
        const QPointF a = along(butt, top, from);
        const QPointF b = along(butt, top, to);
        const double wa = wb + (wt - wb) * from;
        const double wbb = wb + (wt - wb) * to;
        QPainterPath band;
        band.moveTo(a + n * wa);
        band.lineTo(b + n * wbb);
        band.lineTo(b - n * wbb);
        band.lineTo(a - n * wa);
        band.closeSubpath();
        art.canvas.shape(band, colour, 0.8);
    }
    for (double t : {0.27, 0.72}) {
        const QPointF at = along(butt, top, t);
        const double side = (t < 0.5 ? 1.0 : -1.0) * (wb + (wt - wb) * t);
        art.canvas.ellipse(at + n * side * 0.9, 2.6 * scale, 2.6 * scale, d.brown, 0.7);
    }
    art.canvas.ellipse(top, wt * 0.9, wt * 0.9, mix(d.yellow, d.white, 0.4), 0.8);
}

void drawCup(Art& art, QPointF foot, double h) {
    const DeckStyle& d = art.deck;
    const double x = foot.x();
    const double y = foot.y();
    const double footHalf = h * 0.26;
    const double bowlHalf = h * 0.31;
    const double bowlTop = y - h;
    const double bowlBottom = y - h * 0.45;
    QPainterPath base;
    base.moveTo(x - footHalf, y);
    base.quadTo(x - footHalf * 0.4, y - h * 0.06, x - h * 0.06, y - h * 0.16);
    base.lineTo(x + h * 0.06, y - h * 0.16);
    base.quadTo(x + footHalf * 0.4, y - h * 0.06, x + footHalf, y);
    base.closeSubpath();
    art.canvas.shape(base, d.blue);
    art.canvas.rect(QRectF(x - h * 0.05, y - h * 0.38, h * 0.1, h * 0.23), d.yellow);
    art.canvas.ellipse(QPointF(x, y - h * 0.3), h * 0.1, h * 0.055, d.red);
    QPainterPath bowl;
    bowl.moveTo(x - bowlHalf, bowlTop);
    bowl.cubicTo(x - bowlHalf, bowlBottom - h * 0.05, x - h * 0.12, bowlBottom + h * 0.05, x,
                 bowlBottom + h * 0.06);
    bowl.cubicTo(x + h * 0.12, bowlBottom + h * 0.05, x + bowlHalf, bowlBottom - h * 0.05,
                 x + bowlHalf, bowlTop);
    bowl.closeSubpath();
    art.canvas.shape(bowl, d.yellow);
    QPainterPath band;
    band.moveTo(x - bowlHalf * 0.98, bowlTop + h * 0.1);
    band.quadTo(x, bowlTop + h * 0.16, x + bowlHalf * 0.98, bowlTop + h * 0.1);
    band.lineTo(x + bowlHalf * 0.94, bowlTop + h * 0.18);
    band.quadTo(x, bowlTop + h * 0.24, x - bowlHalf * 0.94, bowlTop + h * 0.18);
    band.closeSubpath();
    art.canvas.shape(band, d.red, 0.7);
    art.canvas.ellipse(QPointF(x, bowlTop), bowlHalf, h * 0.05, mix(d.yellow, d.white, 0.35));
}

void drawCoin(Art& art, QPointF centre, double r) {
    const DeckStyle& d = art.deck;
    art.canvas.circle(centre, r, d.yellow, 1.1);
    art.canvas.circle(centre, r * 0.8, mix(d.yellow, d.white, 0.25), 0.8);
    const int dots = 16;
    for (int i = 0; i < dots; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / dots;
        art.canvas.circle(centre + QPointF(std::cos(angle), std::sin(angle)) * r * 0.9, r * 0.045,
                          d.red, 0.4);
    }
    flower(art, centre, r * 0.62);
}

void drawSuitSign(Art& art, Suit suit, const QRectF& box) {
    const QPointF c = box.center();
    const double h = box.height();
    switch (suit) {
    case Suit::Swords:
        drawSword(art, QPointF(c.x(), box.bottom() - h * 0.04), QPointF(c.x(), box.top()), 0.0,
                  h / 120.0);
        break;
    case Suit::Batons:
        drawBaton(art, QPointF(c.x(), box.bottom()), QPointF(c.x(), box.top()), h / 110.0);
        break;
    case Suit::Cups:
        drawCup(art, QPointF(c.x(), box.bottom()), h * 0.95);
        break;
    case Suit::Coins:
        drawCoin(art, c, std::min(box.width(), h) / 2.0);
        break;
    }
}

void drawCloudHand(Art& art, QPointF fist, double scale) {
    const DeckStyle& d = art.deck;
    const QPointF cloud = fist + QPointF(-70, 6) * scale;
    art.canvas.limb(cloud + QPointF(14, -2) * scale, fist + QPointF(-8, 2) * scale, 13 * scale,
                    d.red);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(fist.x() - 10 * scale, fist.y() - 9 * scale, 20 * scale, 18 * scale),
                        7 * scale, 7 * scale);
    art.canvas.shape(hand, d.flesh);
    for (int i = 0; i < 3; ++i) {
        const double yy = fist.y() - 4 * scale + i * 5 * scale;
        art.canvas.line(QPointF(fist.x() + 2 * scale, yy), QPointF(fist.x() + 9 * scale, yy), 0.5);
    }
    for (const auto& [dx, dy, r] : {std::tuple{-18.0, 4.0, 14.0}, std::tuple{0.0, -6.0, 17.0},
                                    std::tuple{16.0, 6.0, 13.0}, std::tuple{-2.0, 12.0, 13.0}}) {
        art.canvas.circle(cloud + QPointF(dx, dy) * scale, r * scale, d.white, 0.8);
    }
}

namespace {

void swordPips(Art& art, int rank) {
    if (rank == 1) {
        drawSword(art, QPointF(kPanelMiddle, 330), QPointF(kPanelMiddle, 60), 0.0, 1.6);
        drawCloudHand(art, QPointF(kPanelMiddle, 300), 1.0);
        QPainterPath crown;
        crown.moveTo(kPanelMiddle - 34, 100);
        crown.lineTo(kPanelMiddle - 40, 70);
        crown.lineTo(kPanelMiddle - 18, 84);
        crown.lineTo(kPanelMiddle, 62);
        crown.lineTo(kPanelMiddle + 18, 84);
        crown.lineTo(kPanelMiddle + 40, 70);
        crown.lineTo(kPanelMiddle + 34, 100);
        crown.closeSubpath();
        art.canvas.shape(crown, art.deck.yellow);
        for (double side : {-1.0, 1.0}) {
            QPainterPath branch(QPointF(kPanelMiddle + side * 36, 92));
            branch.quadTo(kPanelMiddle + side * 80, 130, kPanelMiddle + side * 62, 190);
            art.canvas.stroke(branch, 1.2);
            for (int i = 0; i < 5; ++i) {
                const double t = 0.15 + i * 0.18;
                const QPointF at(kPanelMiddle + side * (36 + 40 * t), 92 + 98 * t);
                art.canvas.ellipse(at + QPointF(side * 6, 0), 6, 3, art.deck.green, 0.6);
            }
        }
        return;
    }
    const int perSide = rank / 2;
    for (int i = 0; i < perSide; ++i) {
        const double spread = 28.0 + 16.0 * i;
        const double bow = 0.16 + 0.05 * i;
        drawSword(art, QPointF(kPanelMiddle - spread, 372), QPointF(kPanelMiddle + spread, 34),
                  -bow, 0.9);
        drawSword(art, QPointF(kPanelMiddle + spread, 372), QPointF(kPanelMiddle - spread, 34), bow,
                  0.9);
    }
    if (rank % 2 == 1) {
        drawSword(art, QPointF(kPanelMiddle, 380), QPointF(kPanelMiddle, 26), 0.0, 1.3);
    } else {
        flower(art, QPointF(kPanelMiddle, 200), 20);
    }
}

void batonPips(Art& art, int rank) {
    if (rank == 1) {
        drawBaton(art, QPointF(kPanelMiddle + 10, 370), QPointF(kPanelMiddle - 6, 50), 2.0);
        drawCloudHand(art, QPointF(kPanelMiddle + 4, 250), 1.0);
        return;
    }
    const int perSide = rank / 2;
    for (int i = 0; i < perSide; ++i) {
        const double offset = (i - (perSide - 1) / 2.0) * 26.0;
        drawBaton(art, QPointF(50 + offset, 372), QPointF(202 + offset, 30), 1.1);
        drawBaton(art, QPointF(202 + offset, 372), QPointF(50 + offset, 30), 1.1);
    }
    if (rank % 2 == 1) {
        drawBaton(art, QPointF(kPanelMiddle, 380), QPointF(kPanelMiddle, 22), 1.1);
    }
    if (rank == 2) {
        flower(art, QPointF(kPanelMiddle, 110), 16);
        flower(art, QPointF(kPanelMiddle, 290), 16);
    }
}

struct Place {
    double x;
    double y;
    double size;
};

std::vector<Place> cupPlaces(int rank) {
    switch (rank) {
    case 1:
        return {{kPanelMiddle, 360, 250}};
    case 2:
        return {{80, 330, 120}, {172, 330, 120}};
    case 3:
        return {{kPanelMiddle, 190, 110}, {72, 350, 110}, {180, 350, 110}};
    case 4:
        return {{72, 185, 110}, {180, 185, 110}, {72, 350, 110}, {180, 350, 110}};
    case 5:
        return {{62, 170, 100},
                {190, 170, 100},
                {kPanelMiddle, 270, 100},
                {62, 370, 100},
                {190, 370, 100}};
    case 6:
        return {{78, 140, 100},  {174, 140, 100}, {78, 255, 100},
                {174, 255, 100}, {78, 370, 100},  {174, 370, 100}};
    case 7:
        return {{kPanelMiddle, 112, 86}, {78, 200, 86}, {174, 200, 86}, {78, 290, 86},
                {174, 290, 86},          {78, 380, 86}, {174, 380, 86}};
    case 8:
        return {{78, 105, 84}, {174, 105, 84}, {78, 195, 84}, {174, 195, 84},
                {78, 285, 84}, {174, 285, 84}, {78, 375, 84}, {174, 375, 84}};
    case 9: {
        std::vector<Place> places;
        for (double y : {140.0, 260.0, 380.0}) {
            for (double x : {52.0, kPanelMiddle, 200.0}) {
                places.push_back({x, y, 100});
            }
        }
        return places;
    }
    default: {
        std::vector<Place> places{{kPanelMiddle, 112, 96}};
        for (double y : {200.0, 292.0, 384.0}) {
            for (double x : {52.0, kPanelMiddle, 200.0}) {
                places.push_back({x, y, 80});
            }
        }
        return places;
    }
    }
}

std::vector<Place> coinPlaces(int rank) {
    switch (rank) {
    case 1:
        return {{kPanelMiddle, 200, 84}};
    case 2:
        return {{kPanelMiddle, 106, 46}, {kPanelMiddle, 294, 46}};
    case 3:
        return {{kPanelMiddle, 92, 38}, {kPanelMiddle, 200, 38}, {kPanelMiddle, 308, 38}};
    case 4:
        return {{70, 108, 38}, {182, 108, 38}, {70, 292, 38}, {182, 292, 38}};
    case 5:
        return {
            {66, 92, 36}, {186, 92, 36}, {kPanelMiddle, 200, 36}, {66, 308, 36}, {186, 308, 36}};
    case 6:
        return {{76, 88, 36},   {176, 88, 36}, {76, 200, 36},
                {176, 200, 36}, {76, 312, 36}, {176, 312, 36}};
    case 7:
        return {{72, 78, 32},  {180, 78, 32},  {72, 200, 32},          {180, 200, 32},
                {72, 322, 32}, {180, 322, 32}, {kPanelMiddle, 139, 26}};
    case 8:
        return {{76, 62, 32},  {176, 62, 32},  {76, 154, 32}, {176, 154, 32},
                {76, 246, 32}, {176, 246, 32}, {76, 338, 32}, {176, 338, 32}};
    case 9:
        return {{76, 62, 32},   {176, 62, 32},  {76, 154, 32},
                {176, 154, 32}, {76, 246, 32},  {176, 246, 32},
                {76, 338, 32},  {176, 338, 32}, {kPanelMiddle, 200, 24}};
    default: {
        std::vector<Place> places;
        for (double y : {48.0, 124.0, 200.0, 276.0, 352.0}) {
            places.push_back({76, y, 31});
            places.push_back({176, y, 31});
        }
        return places;
    }
    }
}

void coinRibbon(Art& art) {
    QPainterPath ribbon(QPointF(kPanelMiddle + 40, 70));
    ribbon.cubicTo(250, 160, 0, 240, kPanelMiddle - 40, 330);
    art.canvas.limb(ribbon, 12, art.deck.blue);
}

} // namespace

void drawPips(Art& art, Suit suit, int rank) {
    switch (suit) {
    case Suit::Swords:
        swordPips(art, rank);
        break;
    case Suit::Batons:
        batonPips(art, rank);
        break;
    case Suit::Cups:
        if (rank == 2) {
            flower(art, QPointF(kPanelMiddle, 120), 34);
        }
        for (const Place& p : cupPlaces(rank)) {
            drawCup(art, QPointF(p.x, p.y), p.size);
        }
        break;
    case Suit::Coins:
        if (rank == 2) {
            coinRibbon(art);
        }
        if (rank == 4) {
            flower(art, QPointF(kPanelMiddle, 200), 30);
        }
        for (const Place& p : coinPlaces(rank)) {
            drawCoin(art, QPointF(p.x, p.y), p.size);
        }
        break;
    }
}

} // namespace cards
