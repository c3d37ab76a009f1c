#include "Figures.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

using tooldraw::mix;

namespace cards::figures {

namespace {

constexpr double kHeadRadius = 13.0;
constexpr double kShoulderHalf = 20.0;
constexpr double kArmWidth = 9.0;
constexpr double kLegWidth = 10.0;

QColor hatColourOf(const Art& art, const Person& p) {
    return p.hatColour.isValid() ? p.hatColour : art.deck.yellow;
}

void face(Art& art, const Person& p, QPointF c, double r) {
    QPainter& painter = art.canvas.painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(art.canvas.ink().line);
    const double side = p.profile ? -0.35 : 0.0;
    for (double dx : {-0.36, 0.36}) {
        if (p.profile && dx > 0) {
            continue;
        }
        painter.drawEllipse(c + QPointF((dx + side) * r, -0.05 * r), 0.09 * r, 0.11 * r);
    }
    QPainterPath brow;
    brow.moveTo(c + QPointF((-0.55 + side) * r, -0.25 * r));
    brow.quadTo(c + QPointF((-0.36 + side) * r, -0.36 * r),
                c + QPointF((-0.18 + side) * r, -0.25 * r));
    if (!p.profile) {
        brow.moveTo(c + QPointF(0.18 * r, -0.25 * r));
        brow.quadTo(c + QPointF(0.36 * r, -0.36 * r), c + QPointF(0.55 * r, -0.25 * r));
    }
    art.canvas.stroke(brow, 0.5);
    QPainterPath nose(c + QPointF((0.02 + side) * r, -0.02 * r));
    nose.lineTo(c + QPointF((-0.08 + side) * r, 0.22 * r));
    nose.lineTo(c + QPointF((0.06 + side) * r, 0.25 * r));
    art.canvas.stroke(nose, 0.45);
    QPainterPath mouth(c + QPointF((-0.2 + side) * r, 0.45 * r));
    mouth.quadTo(c + QPointF(side * r, 0.55 * r), c + QPointF((0.2 + side) * r, 0.45 * r));
    art.canvas.stroke(mouth, 0.5);
    const QColor cheek = mix(art.deck.flesh, art.deck.red, 0.35);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(cheek.red(), cheek.green(), cheek.blue(), 90));
    painter.drawEllipse(c + QPointF((-0.48 + side) * r, 0.25 * r), 0.16 * r, 0.1 * r);
    if (!p.profile) {
        painter.drawEllipse(c + QPointF(0.48 * r, 0.25 * r), 0.16 * r, 0.1 * r);
    }
}

void headwear(Art& art, const Person& p, QPointF c, double r) {
    const QColor colour = hatColourOf(art, p);
    switch (p.hat) {
    case Headwear::None:
        break;
    case Headwear::Crown:
        drawCrown(art, c + QPointF(0, -0.62 * r), 1.9 * r, colour);
        break;
    case Headwear::Crescent: {
        drawCrown(art, c + QPointF(0, -0.62 * r), 1.7 * r, colour);
        QPainterPath moon;
        moon.addEllipse(c + QPointF(0, -1.75 * r), 0.5 * r, 0.5 * r);
        QPainterPath bite;
        bite.addEllipse(c + QPointF(0, -2.05 * r), 0.42 * r, 0.42 * r);
        art.canvas.shape(moon.subtracted(bite), art.deck.white, 0.7);
        break;
    }
    case Headwear::WideHat: {
        QPainterPath brim;
        const QPointF b = c + QPointF(0, -0.72 * r);
        brim.moveTo(b);
        brim.cubicTo(b + QPointF(-0.8 * r, -0.9 * r), b + QPointF(-2.0 * r, -0.5 * r),
                     b + QPointF(-1.7 * r, 0.15 * r));
        brim.cubicTo(b + QPointF(-1.4 * r, 0.55 * r), b + QPointF(-0.6 * r, 0.2 * r), b);
        brim.cubicTo(b + QPointF(0.6 * r, 0.2 * r), b + QPointF(1.4 * r, 0.55 * r),
                     b + QPointF(1.7 * r, 0.15 * r));
        brim.cubicTo(b + QPointF(2.0 * r, -0.5 * r), b + QPointF(0.8 * r, -0.9 * r), b);
        art.canvas.shape(brim, colour, 0.9);
        QPainterPath crown;
        crown.addEllipse(b + QPointF(0, -0.45 * r), 0.6 * r, 0.45 * r);
        art.canvas.shape(crown, mix(colour, art.deck.red, 0.5), 0.9);
        break;
    }
    case Headwear::Tiara: {
        QPainterPath tiara;
        const double bottom = c.y() - 0.6 * r;
        tiara.moveTo(c.x() - 0.8 * r, bottom);
        tiara.cubicTo(c.x() - 0.9 * r, bottom - 1.6 * r, c.x() - 0.3 * r, bottom - 2.4 * r, c.x(),
                      bottom - 2.6 * r);
        tiara.cubicTo(c.x() + 0.3 * r, bottom - 2.4 * r, c.x() + 0.9 * r, bottom - 1.6 * r,
                      c.x() + 0.8 * r, bottom);
        tiara.closeSubpath();
        art.canvas.shape(tiara, colour);
        for (int i = 0; i < 3; ++i) {
            const double y = bottom - 0.45 * r - i * 0.7 * r;
            const double half = 0.85 * r - i * 0.22 * r;
            art.canvas.limb(QPointF(c.x() - half, y), QPointF(c.x() + half, y), 0.18 * r,
                            art.deck.red);
        }
        art.canvas.circle(QPointF(c.x(), bottom - 2.7 * r), 0.18 * r, colour, 0.7);
        break;
    }
    case Headwear::Hood: {
        QPainterPath hood;
        hood.moveTo(c + QPointF(-1.25 * r, 1.2 * r));
        hood.cubicTo(c + QPointF(-1.5 * r, -0.9 * r), c + QPointF(-0.5 * r, -1.7 * r),
                     c + QPointF(0.3 * r, -1.6 * r));
        hood.cubicTo(c + QPointF(1.3 * r, -1.3 * r), c + QPointF(1.4 * r, 0.2 * r),
                     c + QPointF(1.2 * r, 1.2 * r));
        hood.lineTo(c + QPointF(0.85 * r, 1.0 * r));
        hood.cubicTo(c + QPointF(1.0 * r, -0.2 * r), c + QPointF(0.6 * r, -1.0 * r),
                     c + QPointF(0, -1.0 * r));
        hood.cubicTo(c + QPointF(-0.7 * r, -1.0 * r), c + QPointF(-1.0 * r, -0.2 * r),
                     c + QPointF(-0.85 * r, 1.0 * r));
        hood.closeSubpath();
        art.canvas.shape(hood, colour);
        break;
    }
    case Headwear::Helmet: {
        QPainterPath helmet;
        helmet.moveTo(c + QPointF(-1.05 * r, -0.05 * r));
        helmet.cubicTo(c + QPointF(-1.1 * r, -1.5 * r), c + QPointF(1.1 * r, -1.5 * r),
                       c + QPointF(1.05 * r, -0.05 * r));
        helmet.lineTo(c + QPointF(0.8 * r, -0.25 * r));
        helmet.lineTo(c + QPointF(-0.8 * r, -0.25 * r));
        helmet.closeSubpath();
        art.canvas.shape(helmet, art.deck.grey);
        QPainterPath plume(c + QPointF(0, -1.1 * r));
        plume.cubicTo(c + QPointF(0.4 * r, -2.2 * r), c + QPointF(1.6 * r, -2.0 * r),
                      c + QPointF(1.9 * r, -1.0 * r));
        art.canvas.limb(plume, 0.35 * r, colour);
        break;
    }
    case Headwear::JesterCap: {
        const QPointF top = c + QPointF(0, -0.7 * r);
        for (double side : {-1.0, 1.0}) {
            QPainterPath horn;
            horn.moveTo(top + QPointF(-0.9 * r * side, 0.1 * r));
            horn.cubicTo(top + QPointF(-0.4 * r * side, -1.2 * r),
                         top + QPointF(1.2 * r * side, -1.6 * r),
                         top + QPointF(1.9 * r * side, -0.5 * r));
            horn.cubicTo(top + QPointF(1.0 * r * side, -0.9 * r),
                         top + QPointF(0.5 * r * side, -0.3 * r),
                         top + QPointF(0.9 * r * side, 0.1 * r));
            horn.closeSubpath();
            art.canvas.shape(horn, side < 0 ? art.deck.red : colour);
            art.canvas.circle(top + QPointF(1.95 * r * side, -0.4 * r), 0.22 * r, art.deck.yellow,
                              0.7);
        }
        art.canvas.ellipse(top + QPointF(0, 0.05 * r), 1.0 * r, 0.28 * r, art.deck.blue, 0.8);
        break;
    }
    case Headwear::Wreath:
        for (int i = 0; i < 9; ++i) {
            const double a = std::numbers::pi * (1.05 + i * 0.9 / 8.0);
            const QPointF at = c + QPointF(std::cos(a) * 0.95 * r, std::sin(a) * 0.85 * r);
            art.canvas.ellipse(at, 0.28 * r, 0.16 * r, art.deck.green, 0.6);
        }
        break;
    }
}

} // namespace

double headRadius(const Person& p) {
    return kHeadRadius * p.scale;
}

QPointF headCentre(const Person& p) {
    return p.neck + QPointF(0, -headRadius(p) * 1.05);
}

QPointF leftShoulder(const Person& p) {
    return p.neck + QPointF(-kShoulderHalf * p.scale, 6 * p.scale);
}

QPointF rightShoulder(const Person& p) {
    return p.neck + QPointF(kShoulderHalf * p.scale, 6 * p.scale);
}

void drawHead(Art& art, const Person& p) {
    const double r = headRadius(p);
    const QPointF c = headCentre(p);
    if (p.longHair) {
        QPainterPath hair;
        hair.moveTo(c + QPointF(-1.05 * r, -0.2 * r));
        hair.cubicTo(c + QPointF(-1.1 * r, -1.4 * r), c + QPointF(1.1 * r, -1.4 * r),
                     c + QPointF(1.05 * r, -0.2 * r));
        hair.cubicTo(c + QPointF(1.2 * r, 1.0 * r), c + QPointF(1.5 * r, 1.6 * r),
                     c + QPointF(1.1 * r, 2.0 * r));
        hair.lineTo(c + QPointF(-1.1 * r, 2.0 * r));
        hair.cubicTo(c + QPointF(-1.5 * r, 1.6 * r), c + QPointF(-1.2 * r, 1.0 * r),
                     c + QPointF(-1.05 * r, -0.2 * r));
        art.canvas.shape(hair, p.hair);
    }
    art.canvas.limb(p.neck + QPointF(0, -0.5 * r), p.neck + QPointF(0, 0.2 * r), 0.7 * r,
                    art.deck.flesh);
    art.canvas.ellipse(c, 0.92 * r, r, art.deck.flesh);
    if (!p.longHair && p.hat != Headwear::Hood && p.hat != Headwear::Helmet) {
        QPainterPath hair;
        hair.moveTo(c + QPointF(-0.95 * r, 0.05 * r));
        hair.cubicTo(c + QPointF(-1.05 * r, -1.25 * r), c + QPointF(1.05 * r, -1.25 * r),
                     c + QPointF(0.95 * r, 0.05 * r));
        hair.quadTo(c + QPointF(0.6 * r, -0.6 * r), c + QPointF(0, -0.62 * r));
        hair.quadTo(c + QPointF(-0.6 * r, -0.6 * r), c + QPointF(-0.95 * r, 0.05 * r));
        art.canvas.shape(hair, p.hair);
    } else if (p.longHair) {
        QPainterPath fringe;
        fringe.moveTo(c + QPointF(-0.9 * r, -0.1 * r));
        fringe.cubicTo(c + QPointF(-1.0 * r, -1.2 * r), c + QPointF(1.0 * r, -1.2 * r),
                       c + QPointF(0.9 * r, -0.1 * r));
        fringe.quadTo(c + QPointF(0.3 * r, -0.75 * r), c + QPointF(-0.9 * r, -0.1 * r));
        art.canvas.shape(fringe, p.hair);
    }
    if (p.beard) {
        QPainterPath beard;
        beard.moveTo(c + QPointF(-0.85 * r, 0.15 * r));
        beard.cubicTo(c + QPointF(-0.9 * r, 1.3 * r), c + QPointF(-0.3 * r, 1.9 * r),
                      c + QPointF(0, 2.0 * r));
        beard.cubicTo(c + QPointF(0.3 * r, 1.9 * r), c + QPointF(0.9 * r, 1.3 * r),
                      c + QPointF(0.85 * r, 0.15 * r));
        beard.quadTo(c + QPointF(0.5 * r, 0.75 * r), c + QPointF(0, 0.7 * r));
        beard.quadTo(c + QPointF(-0.5 * r, 0.75 * r), c + QPointF(-0.85 * r, 0.15 * r));
        art.canvas.shape(beard, p.hair);
    }
    face(art, p, c, r);
    headwear(art, p, c, r);
}

void drawRobe(Art& art, const Person& p, double hemY) {
    const double s = p.scale;
    const QPointF l = leftShoulder(p);
    const QPointF r = rightShoulder(p);
    const double spread = 18.0 * s + (hemY - p.neck.y()) * 0.14;
    if (p.mantle.isValid()) {
        QPainterPath cloak;
        cloak.moveTo(l + QPointF(-2 * s, -2 * s));
        cloak.cubicTo(l + QPointF(-14 * s, 40 * s),
                      QPointF(p.neck.x() - spread - 10 * s, hemY - 30),
                      QPointF(p.neck.x() - spread - 8 * s, hemY));
        cloak.lineTo(QPointF(p.neck.x() + spread + 8 * s, hemY));
        cloak.cubicTo(QPointF(p.neck.x() + spread + 10 * s, hemY - 30), r + QPointF(14 * s, 40 * s),
                      r + QPointF(2 * s, -2 * s));
        cloak.closeSubpath();
        art.canvas.shape(cloak, p.mantle);
    }
    QPainterPath robe;
    robe.moveTo(l);
    robe.quadTo(p.neck + QPointF(0, 2 * s), r);
    robe.cubicTo(r + QPointF(4 * s, 30 * s), QPointF(p.neck.x() + spread, hemY - 40),
                 QPointF(p.neck.x() + spread, hemY));
    robe.quadTo(QPointF(p.neck.x(), hemY + 6 * s), QPointF(p.neck.x() - spread, hemY));
    robe.cubicTo(QPointF(p.neck.x() - spread, hemY - 40), l + QPointF(-4 * s, 30 * s), l);
    robe.closeSubpath();
    art.canvas.shape(robe, p.robe);
    // The belt and a fold line.
    const double beltY = p.neck.y() + 48 * s;
    art.canvas.line(QPointF(p.neck.x() - 17 * s, beltY), QPointF(p.neck.x() + 17 * s, beltY), 1.0);
    QPainterPath fold(QPointF(p.neck.x() + 2 * s, beltY + 8 * s));
    fold.quadTo(QPointF(p.neck.x() + 6 * s, (beltY + hemY) / 2),
                QPointF(p.neck.x() + 4 * s, hemY - 4));
    art.canvas.stroke(fold, 0.5);
}

void drawSeatedRobe(Art& art, const Person& p, double kneeY, double hemY) {
    const double s = p.scale;
    const QPointF l = leftShoulder(p);
    const QPointF r = rightShoulder(p);
    const double lap = 34.0 * s;
    if (p.mantle.isValid()) {
        QPainterPath cloak;
        cloak.moveTo(l + QPointF(-2 * s, -2 * s));
        cloak.cubicTo(l + QPointF(-20 * s, 30 * s), QPointF(p.neck.x() - lap - 14 * s, kneeY),
                      QPointF(p.neck.x() - lap - 10 * s, hemY));
        cloak.lineTo(QPointF(p.neck.x() + lap + 10 * s, hemY));
        cloak.cubicTo(QPointF(p.neck.x() + lap + 14 * s, kneeY), r + QPointF(20 * s, 30 * s),
                      r + QPointF(2 * s, -2 * s));
        cloak.closeSubpath();
        art.canvas.shape(cloak, p.mantle);
    }
    QPainterPath robe;
    robe.moveTo(l);
    robe.quadTo(p.neck + QPointF(0, 2 * s), r);
    robe.cubicTo(r + QPointF(6 * s, 30 * s), QPointF(p.neck.x() + lap, kneeY - 20 * s),
                 QPointF(p.neck.x() + lap, kneeY));
    robe.lineTo(QPointF(p.neck.x() + lap - 4 * s, hemY));
    robe.quadTo(QPointF(p.neck.x(), hemY + 5 * s), QPointF(p.neck.x() - lap + 4 * s, hemY));
    robe.lineTo(QPointF(p.neck.x() - lap, kneeY));
    robe.cubicTo(QPointF(p.neck.x() - lap, kneeY - 20 * s), l + QPointF(-6 * s, 30 * s), l);
    robe.closeSubpath();
    art.canvas.shape(robe, p.robe);
    QPainterPath lapLine(QPointF(p.neck.x() - lap + 2 * s, kneeY - 4 * s));
    lapLine.quadTo(QPointF(p.neck.x(), kneeY - 12 * s),
                   QPointF(p.neck.x() + lap - 2 * s, kneeY - 4 * s));
    art.canvas.stroke(lapLine, 0.7);
    art.canvas.line(QPointF(p.neck.x() - 16 * s, p.neck.y() + 44 * s),
                    QPointF(p.neck.x() + 16 * s, p.neck.y() + 44 * s), 1.0);
    for (double dx : {-lap * 0.45, lap * 0.45}) {
        art.canvas.ellipse(QPointF(p.neck.x() + dx, hemY + 2 * s), 8 * s, 4 * s, art.deck.dark,
                           0.7);
    }
}

void drawHand(Art& art, const Person& p, QPointF at) {
    art.canvas.circle(at, 4.6 * p.scale, art.deck.flesh, 0.9);
}

void drawArm(Art& art, const Person& p, QPointF shoulder, QPointF elbow, QPointF hand,
             const QColor& sleeve) {
    QPainterPath arm(shoulder);
    arm.quadTo(elbow, hand);
    art.canvas.limb(arm, kArmWidth * p.scale, sleeve);
    drawHand(art, p, hand);
}

void drawLeg(Art& art, const Person& p, QPointF hip, QPointF knee, QPointF foot,
             const QColor& hose) {
    QPainterPath leg(hip);
    leg.quadTo(knee, foot);
    art.canvas.limb(leg, kLegWidth * p.scale, hose);
    art.canvas.ellipse(foot + QPointF(3 * p.scale, 2 * p.scale), 7 * p.scale, 3.5 * p.scale,
                       art.deck.dark, 0.8);
}

void drawCrown(Art& art, QPointF base, double width, const QColor& colour) {
    const double h = width * 0.5;
    QPainterPath crown;
    crown.moveTo(base + QPointF(-width / 2, 0));
    crown.lineTo(base + QPointF(-width / 2 - width * 0.06, -h));
    crown.lineTo(base + QPointF(-width / 4, -h * 0.5));
    crown.lineTo(base + QPointF(0, -h * 1.15));
    crown.lineTo(base + QPointF(width / 4, -h * 0.5));
    crown.lineTo(base + QPointF(width / 2 + width * 0.06, -h));
    crown.lineTo(base + QPointF(width / 2, 0));
    crown.closeSubpath();
    art.canvas.shape(crown, colour, 0.9);
    for (double dx : {-width / 2 - width * 0.06, 0.0, width / 2 + width * 0.06}) {
        const double top = dx == 0.0 ? -h * 1.15 : -h;
        art.canvas.circle(base + QPointF(dx, top), width * 0.06, art.deck.red, 0.6);
    }
    art.canvas.line(base + QPointF(-width / 2, -h * 0.2), base + QPointF(width / 2, -h * 0.2), 0.6);
}

void drawThrone(Art& art, const QRectF& back, const QColor& colour) {
    QPainterPath path;
    path.addRoundedRect(back, 6, 6);
    art.canvas.shape(path, colour);
    QPainterPath inner;
    inner.addRoundedRect(back.adjusted(7, 7, -7, -7), 4, 4);
    art.canvas.stroke(inner, 0.6);
    for (double x : {back.left(), back.right()}) {
        art.canvas.circle(QPointF(x, back.top() + 4), 6, art.deck.yellow, 0.8);
    }
}

void drawPillar(Art& art, double x, double top, double bottom, double width, const QColor& colour,
                const QString& letter) {
    art.canvas.rect(QRectF(x - width / 2, top + 10, width, bottom - top - 20), colour);
    art.canvas.rect(QRectF(x - width / 2 - 5, top, width + 10, 12),
                    mix(colour, art.deck.white, 0.3));
    art.canvas.rect(QRectF(x - width / 2 - 5, bottom - 12, width + 10, 12),
                    mix(colour, art.deck.white, 0.3));
    for (int i = 1; i <= 2; ++i) {
        const double fx = x - width / 2 + width * i / 3.0;
        art.canvas.line(QPointF(fx, top + 16), QPointF(fx, bottom - 16), 0.4);
    }
    if (!letter.isEmpty()) {
        const bool dark = colour.lightness() < 110;
        art.canvas.text(letter, QPointF(x, top + 48), tooldraw::Face::SerifBold, width * 0.7,
                        dark ? art.deck.white : art.deck.dark);
    }
}

void drawCloud(Art& art, QPointF centre, double width, const QColor& colour) {
    const double r = width / 5.0;
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(centre + QPointF(-1.4 * r, 0.2 * r), 1.1 * r, 0.9 * r);
    cloud.addEllipse(centre + QPointF(-0.2 * r, -0.35 * r), 1.35 * r, 1.1 * r);
    cloud.addEllipse(centre + QPointF(1.2 * r, 0.1 * r), 1.15 * r, 0.95 * r);
    cloud.addEllipse(centre + QPointF(0.3 * r, 0.55 * r), 1.4 * r, 0.7 * r);
    art.canvas.shape(cloud.simplified(), colour, 0.8);
}

void drawSunDisc(Art& art, QPointF centre, double r, bool withFace, int rays) {
    const DeckStyle& d = art.deck;
    for (int i = 0; i < rays; ++i) {
        const double a = 2.0 * std::numbers::pi * i / rays;
        const double len = (i % 2 == 0) ? 1.75 : 1.45;
        const double half = std::numbers::pi / rays * 0.55;
        art.canvas.polygon({centre + QPointF(std::cos(a - half), std::sin(a - half)) * r * 0.95,
                            centre + QPointF(std::cos(a), std::sin(a)) * r * len,
                            centre + QPointF(std::cos(a + half), std::sin(a + half)) * r * 0.95},
                           i % 2 == 0 ? d.yellow : d.red, 0.7);
    }
    art.canvas.circle(centre, r, mix(d.yellow, d.white, 0.2));
    if (withFace) {
        QPainter& painter = art.canvas.painter();
        painter.setPen(Qt::NoPen);
        painter.setBrush(art.canvas.ink().line);
        for (double dx : {-0.33, 0.33}) {
            painter.drawEllipse(centre + QPointF(dx * r, -0.1 * r), 0.07 * r, 0.09 * r);
        }
        QPainterPath features(centre + QPointF(-0.5 * r, -0.3 * r));
        features.quadTo(centre + QPointF(-0.33 * r, -0.4 * r),
                        centre + QPointF(-0.16 * r, -0.3 * r));
        features.moveTo(centre + QPointF(0.16 * r, -0.3 * r));
        features.quadTo(centre + QPointF(0.33 * r, -0.4 * r), centre + QPointF(0.5 * r, -0.3 * r));
        features.moveTo(centre + QPointF(0, -0.05 * r));
        features.lineTo(centre + QPointF(-0.07 * r, 0.2 * r));
        features.lineTo(centre + QPointF(0.05 * r, 0.22 * r));
        features.moveTo(centre + QPointF(-0.22 * r, 0.42 * r));
        features.quadTo(centre + QPointF(0, 0.56 * r), centre + QPointF(0.22 * r, 0.42 * r));
        art.canvas.stroke(features, 0.6);
    }
}

void drawMountains(Art& art, double baseY, const QColor& colour) {
    QPainterPath range;
    range.moveTo(0, baseY);
    range.lineTo(0, baseY - 30);
    range.lineTo(38, baseY - 78);
    range.lineTo(70, baseY - 40);
    range.lineTo(104, baseY - 96);
    range.lineTo(150, baseY - 34);
    range.lineTo(190, baseY - 84);
    range.lineTo(226, baseY - 44);
    range.lineTo(252, baseY - 64);
    range.lineTo(252, baseY);
    range.closeSubpath();
    art.canvas.shape(range, colour, 0.7);
    for (const QPointF& peak :
         {QPointF(38, baseY - 78), QPointF(104, baseY - 96), QPointF(190, baseY - 84)}) {
        art.canvas.polygon({peak, peak + QPointF(-9, 12), peak + QPointF(9, 12)}, art.deck.white,
                           0.5);
    }
}

void drawWings(Art& art, QPointF root, double span, const QColor& colour) {
    constexpr int kFeathers = 5;
    for (double side : {-1.0, 1.0}) {
        const QPointF tip = root + QPointF(side * span * 1.05, -span * 0.62);
        const QPointF tail = root + QPointF(side * span * 0.18, span * 0.7);
        QPainterPath wing(root);
        wing.cubicTo(root + QPointF(side * span * 0.25, -span * 0.8),
                     root + QPointF(side * span * 0.8, -span * 0.9), tip);
        QPointF from = tip;
        for (int k = 1; k <= kFeathers; ++k) {
            const double t = static_cast<double>(k) / kFeathers;
            const QPointF to = tip + (tail - tip) * t;
            const QPointF out = (from + to) / 2.0 + QPointF(side * span * 0.12, span * 0.1);
            wing.quadTo(out, to);
            from = to;
        }
        wing.quadTo(root + QPointF(side * span * 0.05, span * 0.3), root);
        art.canvas.shape(wing, colour);
        for (int k = 1; k < kFeathers; ++k) {
            const double t = static_cast<double>(k) / kFeathers;
            QPainterPath feather(root + QPointF(side * span * 0.1, -span * 0.1));
            feather.lineTo(tip + (tail - tip) * t + QPointF(-side * span * 0.06, 0));
            art.canvas.stroke(feather, 0.45);
        }
    }
}

void drawLion(Art& art, QPointF centre, double r) {
    const DeckStyle& d = art.deck;
    constexpr int kLocks = 18;
    for (int i = 0; i < kLocks; ++i) {
        const double a = 2.0 * std::numbers::pi * i / kLocks;
        const double b = a + std::numbers::pi / kLocks;
        const double c = a - std::numbers::pi / kLocks;
        art.canvas.polygon({centre + QPointF(std::cos(c), std::sin(c)) * r * 0.9,
                            centre + QPointF(std::cos(a), std::sin(a)) * r * 1.5,
                            centre + QPointF(std::cos(b), std::sin(b)) * r * 0.9},
                           i % 2 ? mix(d.yellow, d.brown, 0.45) : mix(d.yellow, d.red, 0.35), 0.8);
    }
    art.canvas.circle(centre, r, mix(d.yellow, d.brown, 0.45));
    for (double side : {-1.0, 1.0}) {
        art.canvas.circle(centre + QPointF(side * r * 0.72, -r * 0.72), r * 0.22, d.yellow, 0.8);
    }
    art.canvas.ellipse(centre, r * 0.82, r * 0.88, d.yellow);
    art.canvas.ellipse(centre + QPointF(0, r * 0.42), r * 0.46, r * 0.34,
                       mix(d.yellow, d.white, 0.6), 0.8);
    art.canvas.polygon({centre + QPointF(-r * 0.16, r * 0.12), centre + QPointF(r * 0.16, r * 0.12),
                        centre + QPointF(0, r * 0.3)},
                       d.dark, 0.6);
    QPainterPath mouth(centre + QPointF(-r * 0.3, r * 0.52));
    mouth.quadTo(centre + QPointF(0, r * 0.9), centre + QPointF(r * 0.3, r * 0.52));
    mouth.quadTo(centre + QPointF(0, r * 0.66), centre + QPointF(-r * 0.3, r * 0.52));
    art.canvas.shape(mouth, d.red, 0.7);
    QPainter& painter = art.canvas.painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(art.canvas.ink().line);
    for (double side : {-1.0, 1.0}) {
        painter.drawEllipse(centre + QPointF(side * r * 0.32, -r * 0.18), r * 0.07, r * 0.09);
        QPainterPath brow(centre + QPointF(side * r * 0.5, -r * 0.34));
        brow.quadTo(centre + QPointF(side * r * 0.3, -r * 0.44),
                    centre + QPointF(side * r * 0.1, -r * 0.3));
        art.canvas.stroke(brow, 0.6);
    }
}

} // namespace cards::figures
