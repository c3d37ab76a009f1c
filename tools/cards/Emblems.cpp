#include "Emblems.h"

#include "Figures.h"
#include "SuitSigns.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

using tooldraw::Face;
using tooldraw::mix;

namespace cards::emblems {

using namespace figures;

namespace {

constexpr double kMid = kPanelWidth / 2.0;
constexpr double kPi = std::numbers::pi;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Draws with the painter turned about a point (degrees, clockwise) and, optionally, mirrored.
template <typename Draw>
void turned(Art& art, QPointF about, double degrees, bool mirrored, Draw draw) {
    QPainter& p = art.canvas.painter();
    p.save();
    p.translate(about);
    p.rotate(degrees);
    if (mirrored) {
        p.scale(-1, 1);
    }
    p.translate(-about);
    draw();
    p.restore();
}

void woodcut(Art& art, const char* glyph, const QRectF& box, const QColor& fill,
             bool mirrored = false) {
    turned(art, box.center(), 0, mirrored, [&] { art.canvas.woodcut(text(glyph), box, fill); });
}

void flowers(Art& art, std::initializer_list<QPointF> places) {
    for (const QPointF& at : places) {
        art.canvas.line(at, at + QPointF(0, 14), 0.8);
        art.canvas.ellipse(at + QPointF(-5, 9), 5, 2.5, art.deck.green, 0.6);
        for (int i = 0; i < 5; ++i) {
            const double a = 2 * kPi * i / 5;
            art.canvas.circle(at + QPointF(std::cos(a), std::sin(a)) * 3.6, 2.6, art.deck.red, 0.5);
        }
        art.canvas.circle(at, 1.8, art.deck.yellow, 0.4);
    }
}

void drops(Art& art, std::initializer_list<QPointF> places) {
    const QColor colours[] = {art.deck.yellow, art.deck.red, art.deck.blue};
    int i = 0;
    for (const QPointF& at : places) {
        QPainterPath drop(at + QPointF(0, -6));
        drop.cubicTo(at + QPointF(4, 0), at + QPointF(4, 5), at + QPointF(0, 5));
        drop.cubicTo(at + QPointF(-4, 5), at + QPointF(-4, 0), at + QPointF(0, -6));
        art.canvas.shape(drop, colours[i++ % 3], 0.6);
    }
}

void staff(Art& art, QPointF from, QPointF to, const QColor& colour, double width = 5.0) {
    art.canvas.limb(from, to, width, colour);
}

void water(Art& art, QPointF centre, double rx, double ry) {
    art.canvas.ellipse(centre, rx, ry, art.deck.lightBlue, 0.8);
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave(centre + QPointF(-rx * 0.6, -ry * 0.3 + i * ry * 0.35));
        wave.quadTo(centre + QPointF(-rx * 0.3, -ry * 0.5 + i * ry * 0.35),
                    centre + QPointF(0, -ry * 0.3 + i * ry * 0.35));
        wave.quadTo(centre + QPointF(rx * 0.3, -ry * 0.1 + i * ry * 0.35),
                    centre + QPointF(rx * 0.6, -ry * 0.3 + i * ry * 0.35));
        art.canvas.stroke(wave, 0.45);
    }
}

QPainterPath crescentPath(QPointF centre, double r, QPointF biteOffset, double biteR) {
    QPainterPath moon;
    moon.addEllipse(centre, r, r);
    QPainterPath bite;
    bite.addEllipse(centre + biteOffset, biteR, biteR);
    return moon.subtracted(bite);
}

void creatureInCloud(Art& art, const char* glyph, QPointF centre, const QColor& fill) {
    drawCloud(art, centre + QPointF(0, 16), 58, art.deck.white);
    art.canvas.woodcut(text(glyph), QRectF(centre.x() - 22, centre.y() - 22, 44, 44), fill);
}

} // namespace

void magician(Art& art) {
    const DeckStyle& d = art.deck;
    Person mage{{kMid, 122}, 1.15, d.red, d.blue, d.yellow, Headwear::WideHat, d.yellow};
    drawRobe(art, mage, 300);
    drawHead(art, mage);
    art.canvas.glyph(text("\u221E"), QRectF(kMid - 16, 28, 32, 18), d.gold, Face::SansBold);
    // The wand raised to the sky, the other hand towards the earth.
    staff(art, QPointF(72, 112), QPointF(98, 44), d.yellow, 5.5);
    art.canvas.circle(QPointF(98, 44), 4, d.white, 0.8);
    drawArm(art, mage, leftShoulder(mage), QPointF(86, 150), QPointF(82, 96), d.blue);
    drawArm(art, mage, rightShoulder(mage), QPointF(176, 170), QPointF(172, 224), d.blue);
    // The table and the tools of the four suits.
    art.canvas.polygon({{28, 262}, {224, 262}, {214, 282}, {38, 282}}, d.brown);
    art.canvas.rect(QRectF(44, 282, 164, 22), mix(d.brown, d.red, 0.4));
    staff(art, QPointF(54, 300), QPointF(54, 336), d.brown, 7);
    staff(art, QPointF(198, 300), QPointF(198, 336), d.brown, 7);
    drawCup(art, QPointF(66, 264), 40);
    drawSword(art, QPointF(104, 260), QPointF(162, 250), 0.0, 0.55);
    drawCoin(art, QPointF(196, 252), 11);
    art.canvas.rect(QRectF(166, 250, 10, 10), d.white, 0.7);
    art.canvas.rect(QRectF(140, 254, 8, 8), d.white, 0.7);
    flowers(art, {{20, 350}, {232, 356}, {120, 372}});
}

void highPriestess(Art& art) {
    const DeckStyle& d = art.deck;
    QPainterPath veil;
    veil.addRect(QRectF(44, 66, 164, 250));
    art.canvas.shape(veil, mix(d.purple, d.dark, 0.15), 0.8);
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 5; ++col) {
            const QPointF at(60 + col * 33 + (row % 2) * 16, 84 + row * 40);
            art.canvas.circle(at, 5, d.red, 0.6);
            art.canvas.ellipse(at + QPointF(0, -6), 2.5, 1.5, d.green, 0.4);
        }
    }
    drawPillar(art, 30, 56, 336, 30, mix(d.dark, d.blue, 0.2), "B");
    drawPillar(art, 222, 56, 336, 30, d.white, "J");
    Person priestess{{kMid, 140}, 1.1, d.blue, d.white, d.brown, Headwear::Crescent, d.yellow};
    priestess.longHair = true;
    drawSeatedRobe(art, priestess, 262, 322);
    drawHead(art, priestess);
    art.canvas.limb(QPointF(kMid, 152), QPointF(kMid, 176), 3, d.white);
    art.canvas.limb(QPointF(kMid - 8, 160), QPointF(kMid + 8, 160), 3, d.white);
    // The half-open book of the law.
    art.canvas.polygon({{100, 222}, {kMid, 228}, {152, 222}, {152, 250}, {kMid, 256}, {100, 250}},
                       d.white);
    art.canvas.line(QPointF(kMid, 228), QPointF(kMid, 256), 0.7);
    art.canvas.text(text("TORA"), QPointF(kMid, 240), Face::SerifBold, 9, d.dark);
    drawArm(art, priestess, leftShoulder(priestess), QPointF(92, 196), QPointF(100, 236), d.blue);
    drawArm(art, priestess, rightShoulder(priestess), QPointF(160, 196), QPointF(152, 236), d.blue);
    art.canvas.shape(crescentPath(QPointF(kMid, 348), 30, QPointF(0, -12), 28),
                     mix(d.yellow, d.white, 0.4));
}

void empress(Art& art) {
    const DeckStyle& d = art.deck;
    drawThrone(art, QRectF(62, 84, 128, 200), mix(d.red, d.brown, 0.3));
    Person empress{{kMid, 136}, 1.1, d.blue, d.red, d.yellow, Headwear::Crown, d.yellow};
    empress.longHair = true;
    drawSeatedRobe(art, empress, 262, 328);
    drawHead(art, empress);
    for (int i = 0; i < 12; ++i) {
        const double a = kPi * (1.0 + i / 11.0);
        art.canvas.star(headCentre(empress) + QPointF(std::cos(a) * 40, std::sin(a) * 34 - 6), 4.6,
                        5, d.gold, 0.45);
    }
    // The sceptre of rule and the shield of Venus.
    staff(art, QPointF(78, 280), QPointF(78, 118), d.yellow);
    art.canvas.circle(QPointF(78, 112), 8, d.yellow);
    art.canvas.limb(QPointF(78, 104), QPointF(78, 92), 3, d.yellow);
    art.canvas.limb(QPointF(72, 97), QPointF(84, 97), 3, d.yellow);
    drawArm(art, empress, leftShoulder(empress), QPointF(88, 200), QPointF(80, 214), d.blue);
    QPainterPath shield;
    shield.moveTo(150, 176);
    shield.lineTo(196, 176);
    shield.cubicTo(198, 214, 186, 236, 173, 246);
    shield.cubicTo(160, 236, 148, 214, 150, 176);
    art.canvas.shape(shield, d.yellow);
    art.canvas.glyph(text("\u2640"), QRectF(160, 184, 26, 40), d.red);
    drawArm(art, empress, rightShoulder(empress), QPointF(160, 200), QPointF(150, 216), d.blue);
    for (double x : {18.0, 44.0, 208.0, 234.0}) {
        art.canvas.woodcut(text("\U0001F33E"), QRectF(x - 16, 290, 32, 48), d.yellow);
    }
}

void emperor(Art& art) {
    const DeckStyle& d = art.deck;
    drawMountains(art, 236, mix(d.grey, d.white, 0.2));
    art.canvas.rect(QRectF(58, 112, 136, 214), mix(d.grey, d.white, 0.1));
    art.canvas.rect(QRectF(70, 124, 112, 190), mix(d.grey, d.dark, 0.15), 0.6);
    art.canvas.woodcut(text("\U0001F40F"), QRectF(40, 92, 40, 34), d.white);
    art.canvas.woodcut(text("\U0001F40F"), QRectF(172, 92, 40, 34), d.white);
    Person emperor{{kMid, 140}, 1.12, d.red, d.blue, d.white, Headwear::Crown, d.yellow};
    emperor.beard = true;
    drawSeatedRobe(art, emperor, 262, 326);
    drawHead(art, emperor);
    // The sceptre of life and the orb of the world.
    staff(art, QPointF(184, 300), QPointF(184, 126), d.yellow);
    art.canvas.woodcut(text("\u2625"), QRectF(170, 84, 28, 44), d.yellow);
    drawArm(art, emperor, rightShoulder(emperor), QPointF(176, 190), QPointF(184, 206), d.red);
    art.canvas.circle(QPointF(76, 206), 13, d.yellow);
    art.canvas.line(QPointF(63, 206), QPointF(89, 206), 0.7);
    art.canvas.limb(QPointF(76, 193), QPointF(76, 180), 3, d.yellow);
    art.canvas.limb(QPointF(70, 185), QPointF(82, 185), 3, d.yellow);
    drawArm(art, emperor, leftShoulder(emperor), QPointF(86, 196), QPointF(80, 218), d.red);
}

void hierophant(Art& art) {
    const DeckStyle& d = art.deck;
    drawPillar(art, 32, 40, 300, 26, mix(d.grey, d.white, 0.3));
    drawPillar(art, 220, 40, 300, 26, mix(d.grey, d.white, 0.3));
    Person pope{{kMid, 132}, 1.12, d.red, d.blue, d.white, Headwear::Tiara, d.yellow};
    pope.beard = true;
    drawSeatedRobe(art, pope, 250, 300);
    drawHead(art, pope);
    // The triple cross and the hand raised in blessing.
    staff(art, QPointF(82, 300), QPointF(82, 66), d.yellow);
    for (int i = 0; i < 3; ++i) {
        const double half = 8 + i * 4;
        art.canvas.limb(QPointF(82 - half, 74 + i * 12), QPointF(82 + half, 74 + i * 12), 3.5,
                        d.yellow);
    }
    drawArm(art, pope, leftShoulder(pope), QPointF(88, 190), QPointF(82, 204), d.blue);
    drawArm(art, pope, rightShoulder(pope), QPointF(178, 170), QPointF(170, 132), d.blue);
    art.canvas.limb(QPointF(170, 127), QPointF(170, 118), 3, d.flesh);
    art.canvas.limb(QPointF(175, 128), QPointF(176, 119), 3, d.flesh);
    // The crossed keys, and two followers seen from behind.
    for (double angle : {-32.0, 32.0}) {
        turned(art, QPointF(kMid, 320), angle, angle < 0, [&] {
            art.canvas.woodcut(text("\U0001F5DD"), QRectF(kMid - 34, 308, 68, 24), d.yellow);
        });
    }
    for (double x : {66.0, 186.0}) {
        const QColor robe = x < kMid ? d.red : d.blue;
        QPainterPath back;
        back.moveTo(x - 40, 400);
        back.cubicTo(x - 40, 350, x - 30, 344, x, 344);
        back.cubicTo(x + 30, 344, x + 40, 350, x + 40, 400);
        back.closeSubpath();
        art.canvas.shape(back, robe);
        art.canvas.circle(QPointF(x, 334), 17, d.brown);
        art.canvas.circle(QPointF(x, 330), 8, d.flesh, 0.7);
    }
}

void lovers(Art& art) {
    const DeckStyle& d = art.deck;
    drawSunDisc(art, QPointF(kMid, 58), 26, false, 20);
    art.canvas.woodcut(text("\U0001F47C"), QRectF(kMid - 30, 26, 60, 60), d.flesh);
    QPainterPath arrow(QPointF(kMid + 6, 84));
    arrow.lineTo(QPointF(kMid - 30, 140));
    art.canvas.stroke(arrow, d.brown, 2.2);
    art.canvas.polygon({{kMid - 34, 146}, {kMid - 24, 136}, {kMid - 36, 134}}, d.white, 0.7);
    Person man{{78, 178}, 1.0, d.blue, QColor(), d.brown};
    Person woman{{174, 178}, 1.0, d.red, QColor(), d.yellow, Headwear::Wreath};
    woman.longHair = true;
    drawLeg(art, man, QPointF(70, 260), QPointF(68, 300), QPointF(66, 334), d.red);
    drawLeg(art, man, QPointF(88, 260), QPointF(92, 300), QPointF(96, 334), d.red);
    drawRobe(art, man, 268);
    drawHead(art, man);
    drawRobe(art, woman, 332);
    drawHead(art, woman);
    drawArm(art, man, leftShoulder(man), QPointF(52, 220), QPointF(58, 250), d.blue);
    drawArm(art, woman, rightShoulder(woman), QPointF(200, 220), QPointF(194, 250), d.red);
    drawArm(art, man, rightShoulder(man), QPointF(104, 226), QPointF(122, 232), d.blue);
    drawArm(art, woman, leftShoulder(woman), QPointF(148, 226), QPointF(130, 232), d.red);
    flowers(art, {{kMid, 352}, {30, 362}, {224, 364}});
}

void chariot(Art& art) {
    const DeckStyle& d = art.deck;
    // Canopy of stars on four posts.
    for (double x : {62.0, 190.0}) {
        staff(art, QPointF(x, 210), QPointF(x, 92), d.yellow, 5);
    }
    QPainterPath canopy;
    canopy.moveTo(48, 82);
    canopy.lineTo(204, 82);
    canopy.lineTo(204, 100);
    canopy.quadTo(kMid, 112, 48, 100);
    canopy.closeSubpath();
    art.canvas.shape(canopy, d.blue);
    for (int i = 0; i < 6; ++i) {
        art.canvas.star(QPointF(64 + i * 25, 92), 4.5, 5, d.yellow, 0.45);
    }
    Person king{{kMid, 142}, 1.05, d.grey, d.red, d.yellow, Headwear::Crown, d.yellow};
    drawRobe(art, king, 230);
    drawHead(art, king);
    for (double side : {-1.0, 1.0}) {
        art.canvas.shape(crescentPath(QPointF(kMid + side * 22, 152), 8, QPointF(0, -4), 7),
                         d.white, 0.7);
    }
    staff(art, QPointF(176, 212), QPointF(182, 118), d.yellow);
    art.canvas.star(QPointF(182, 112), 7, 6, d.yellow, 0.5);
    drawArm(art, king, rightShoulder(king), QPointF(172, 180), QPointF(178, 196), d.grey);
    drawArm(art, king, leftShoulder(king), QPointF(84, 186), QPointF(92, 204), d.grey);
    // The car, its wheels and the two beasts that pull it.
    for (double x : {50.0, 202.0}) {
        art.canvas.circle(QPointF(x, 282), 28, d.yellow);
        for (int i = 0; i < 6; ++i) {
            const double a = kPi * i / 6;
            art.canvas.line(QPointF(x, 282) + QPointF(std::cos(a), std::sin(a)) * 26,
                            QPointF(x, 282) - QPointF(std::cos(a), std::sin(a)) * 26, 0.7);
        }
        art.canvas.circle(QPointF(x, 282), 6, d.red, 0.8);
    }
    art.canvas.rect(QRectF(54, 206, 144, 78), d.red);
    art.canvas.rect(QRectF(64, 216, 124, 58), mix(d.red, d.yellow, 0.25), 0.6);
    drawWings(art, QPointF(kMid, 246), 34, d.yellow);
    art.canvas.circle(QPointF(kMid, 244), 9, d.yellow, 0.8);
    woodcut(art, "\U0001F40E", QRectF(8, 290, 112, 88), d.blue, true);
    woodcut(art, "\U0001F40E", QRectF(132, 290, 112, 88), d.red, false);
}

void justice(Art& art) {
    const DeckStyle& d = art.deck;
    drawPillar(art, 40, 60, 320, 22, d.yellow);
    drawPillar(art, 212, 60, 320, 22, d.yellow);
    drawThrone(art, QRectF(62, 78, 128, 230), mix(d.purple, d.red, 0.3));
    Person judge{{kMid, 140}, 1.1, d.red, d.blue, d.yellow, Headwear::Crown, d.yellow};
    judge.longHair = true;
    drawSeatedRobe(art, judge, 268, 330);
    drawHead(art, judge);
    drawSword(art, QPointF(84, 262), QPointF(84, 64), 0.0, 1.1);
    drawArm(art, judge, leftShoulder(judge), QPointF(94, 216), QPointF(84, 236), d.red);
    // The balance, level.
    const QPointF pivot(170, 162);
    art.canvas.limb(pivot + QPointF(-34, 0), pivot + QPointF(34, 0), 3.5, d.yellow);
    art.canvas.circle(pivot, 4, d.yellow, 0.8);
    for (double side : {-1.0, 1.0}) {
        const QPointF end = pivot + QPointF(side * 32, 0);
        art.canvas.line(end, end + QPointF(-10, 30), 0.6);
        art.canvas.line(end, end + QPointF(10, 30), 0.6);
        QPainterPath pan(end + QPointF(-13, 30));
        pan.quadTo(end + QPointF(0, 44), end + QPointF(13, 30));
        pan.closeSubpath();
        art.canvas.shape(pan, d.yellow, 0.8);
    }
    drawArm(art, judge, rightShoulder(judge), QPointF(168, 200), QPointF(170, 172), d.red);
}

void hermit(Art& art) {
    const DeckStyle& d = art.deck;
    drawMountains(art, 300, mix(d.grey, d.dark, 0.4));
    Person hermit{{140, 124}, 1.2, d.red, d.blue, d.white, Headwear::Hood, d.blue};
    hermit.beard = true;
    hermit.profile = true;
    drawRobe(art, hermit, 336);
    drawHead(art, hermit);
    staff(art, QPointF(184, 338), QPointF(172, 118), d.brown, 6);
    drawArm(art, hermit, rightShoulder(hermit), QPointF(176, 186), QPointF(176, 206), d.red);
    // The lantern, its star showing only the next step.
    const QPointF lamp(62, 176);
    QRadialGradient glow(lamp, 46);
    glow.setColorAt(0, QColor(255, 240, 170, 200));
    glow.setColorAt(1, QColor(255, 240, 170, 0));
    art.canvas.painter().setPen(Qt::NoPen);
    art.canvas.painter().setBrush(glow);
    art.canvas.painter().drawEllipse(lamp, 46, 46);
    art.canvas.line(lamp + QPointF(0, -24), lamp + QPointF(0, -34), 0.8);
    art.canvas.polygon({lamp + QPointF(-12, -22), lamp + QPointF(12, -22), lamp + QPointF(15, 18),
                        lamp + QPointF(-15, 18)},
                       mix(d.yellow, d.white, 0.6));
    art.canvas.star(lamp, 10, 6, d.yellow, 0.5);
    art.canvas.rect(QRectF(lamp.x() - 16, lamp.y() + 16, 32, 6), d.yellow, 0.8);
    drawArm(art, hermit, leftShoulder(hermit), QPointF(96, 160), QPointF(66, 140), d.red);
}

void wheel(Art& art) {
    const DeckStyle& d = art.deck;
    const QPointF hub(kMid, 192);
    staff(art, hub, QPointF(kMid, 330), d.brown, 10);
    art.canvas.rect(QRectF(kMid - 36, 326, 72, 14), d.brown);
    QPainterPath rim;
    rim.addEllipse(hub, 84, 84);
    rim.addEllipse(hub, 70, 70);
    art.canvas.shape(rim, d.yellow);
    art.canvas.circle(hub, 70, mix(d.lightBlue, d.white, 0.5), 0.0);
    for (int i = 0; i < 8; ++i) {
        const double a = kPi * i / 4;
        art.canvas.limb(hub, hub + QPointF(std::cos(a), std::sin(a)) * 70, 5, d.red);
    }
    const char* letters[] = {"T", "A", "R", "O"};
    const char* elements[] = {"\u263F", "\U0001F70D", "\U0001F714", "\U0001F704"};
    for (int i = 0; i < 4; ++i) {
        const double a = -kPi / 4 + i * kPi / 2;
        art.canvas.text(text(letters[i]), hub + QPointF(std::cos(a), std::sin(a)) * 77,
                        Face::SerifBold, 12, d.red);
        const double b = a + kPi / 4;
        const QPointF at = hub + QPointF(std::cos(b), std::sin(b)) * 44;
        art.canvas.glyph(text(elements[i]), QRectF(at.x() - 10, at.y() - 10, 20, 20), d.blue);
    }
    art.canvas.circle(hub, 16, d.yellow);
    art.canvas.circle(hub, 6, d.red, 0.8);
    drawSword(art, QPointF(kMid, 112), QPointF(kMid, 52), 0.0, 0.6);
    drawCrown(art, QPointF(kMid, 118), 28, d.yellow);
    creatureInCloud(art, "\U0001F47C", QPointF(32, 36), d.flesh);
    creatureInCloud(art, "\U0001F985", QPointF(220, 36), d.yellow);
    creatureInCloud(art, "\U0001F402", QPointF(32, 300), d.brown);
    creatureInCloud(art, "\U0001F981", QPointF(220, 300), d.yellow);
}

void strength(Art& art) {
    const DeckStyle& d = art.deck;
    Person lady{{110, 118}, 1.12, d.blue, d.red, d.yellow, Headwear::WideHat, d.yellow};
    lady.longHair = true;
    drawRobe(art, lady, 336);
    drawHead(art, lady);
    drawLion(art, QPointF(172, 270), 50);
    drawArm(art, lady, leftShoulder(lady), QPointF(122, 180), QPointF(166, 222), d.blue);
    drawArm(art, lady, rightShoulder(lady), QPointF(136, 250), QPointF(168, 312), d.blue);
    flowers(art, {{30, 352}, {60, 368}, {226, 360}});
}

void hangedMan(Art& art) {
    const DeckStyle& d = art.deck;
    for (double x : {36.0, 216.0}) {
        staff(art, QPointF(x, 340), QPointF(x, 66), d.green, 14);
        for (double y : {120.0, 190.0, 260.0}) {
            art.canvas.ellipse(QPointF(x + (x < kMid ? 8 : -8), y), 4, 3, d.red, 0.7);
        }
    }
    staff(art, QPointF(22, 70), QPointF(230, 70), d.yellow, 12);
    art.canvas.line(QPointF(kMid, 74), QPointF(kMid, 104), 1.4);
    // The man hangs by one foot; drawn upright, then turned over.
    turned(art, QPointF(kMid, 200), 180, false, [&] {
        Person man{{kMid, 150}, 1.3, d.blue, QColor(), d.yellow};
        man.longHair = false;
        QPainter& p = art.canvas.painter();
        QRadialGradient halo(headCentre(man), 30);
        halo.setColorAt(0, QColor(255, 230, 140, 200));
        halo.setColorAt(1, QColor(255, 230, 140, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(headCentre(man), 30, 30);
        drawLeg(art, man, QPointF(kMid - 7, 228), QPointF(kMid - 7, 262), QPointF(kMid - 3, 296),
                d.red);
        drawLeg(art, man, QPointF(kMid + 8, 228), QPointF(kMid + 44, 250), QPointF(kMid + 6, 268),
                d.red);
        drawArm(art, man, leftShoulder(man), QPointF(kMid - 34, 196), QPointF(kMid - 10, 214),
                d.blue);
        drawArm(art, man, rightShoulder(man), QPointF(kMid + 34, 196), QPointF(kMid + 10, 214),
                d.blue);
        drawRobe(art, man, 234);
        drawHead(art, man);
    });
}

void death(Art& art) {
    const DeckStyle& d = art.deck;
    QPainter& p = art.canvas.painter();
    p.save();
    p.setClipRect(QRectF(0, 0, kPanelWidth, kGroundTop + 4));
    drawSunDisc(art, QPointF(200, 334), 30, false);
    p.restore();
    const QColor bone = mix(d.white, d.yellow, 0.15);
    // The scythe behind the skeleton.
    staff(art, QPointF(54, 336), QPointF(186, 86), d.brown, 6);
    QPainterPath blade(QPointF(186, 86));
    blade.cubicTo(QPointF(150, 62), QPointF(96, 78), QPointF(70, 112));
    blade.cubicTo(QPointF(104, 96), QPointF(150, 92), QPointF(180, 100));
    blade.closeSubpath();
    art.canvas.shape(blade, mix(d.grey, d.white, 0.4));
    // Bones: spine, ribs, pelvis, limbs.
    art.canvas.limb(QPointF(kMid - 4, 132), QPointF(kMid - 2, 230), 5, bone);
    for (int i = 0; i < 5; ++i) {
        QPainterPath rib(QPointF(kMid - 3, 146 + i * 12));
        rib.cubicTo(QPointF(kMid - 34, 140 + i * 12), QPointF(kMid - 30, 160 + i * 12),
                    QPointF(kMid - 14, 160 + i * 12));
        rib.moveTo(QPointF(kMid - 3, 146 + i * 12));
        rib.cubicTo(QPointF(kMid + 28, 140 + i * 12), QPointF(kMid + 26, 160 + i * 12),
                    QPointF(kMid + 10, 160 + i * 12));
        art.canvas.limb(rib, 3, bone);
    }
    art.canvas.ellipse(QPointF(kMid - 2, 236), 18, 9, bone);
    for (const auto& [hip, knee, foot] :
         {std::tuple{QPointF(kMid - 12, 240), QPointF(kMid - 30, 286), QPointF(kMid - 44, 334)},
          std::tuple{QPointF(kMid + 8, 240), QPointF(kMid + 24, 288), QPointF(kMid + 20, 334)}}) {
        art.canvas.limb(hip, knee, 5, bone);
        art.canvas.limb(knee, foot, 5, bone);
        art.canvas.circle(knee, 4, bone, 0.7);
        art.canvas.ellipse(foot + QPointF(6, 0), 8, 3, bone, 0.7);
    }
    for (const auto& [shoulder, elbow, hand] :
         {std::tuple{QPointF(kMid - 22, 142), QPointF(kMid - 40, 190), QPointF(88, 248)},
          std::tuple{QPointF(kMid + 18, 142), QPointF(kMid + 36, 160), QPointF(166, 132)}}) {
        art.canvas.limb(shoulder, elbow, 4.5, bone);
        art.canvas.limb(elbow, hand, 4.5, bone);
        art.canvas.circle(elbow, 4, bone, 0.7);
        art.canvas.circle(hand, 5, bone, 0.8);
    }
    art.canvas.woodcut(text("\U0001F480"), QRectF(kMid - 26, 84, 48, 54), bone);
    // What the scythe has cut: a crown and a hand, and new shoots.
    drawCrown(art, QPointF(46, 360), 26, d.yellow);
    art.canvas.circle(QPointF(190, 364), 7, d.flesh);
    for (double x : {96.0, 150.0, 226.0}) {
        art.canvas.ellipse(QPointF(x - 4, 352), 6, 3, d.green, 0.6);
        art.canvas.ellipse(QPointF(x + 4, 348), 6, 3, d.green, 0.6);
    }
}

void temperance(Art& art) {
    const DeckStyle& d = art.deck;
    drawWings(art, QPointF(kMid, 154), 86, d.red);
    Person angel{{kMid, 128}, 1.12, d.blue, QColor(), d.yellow};
    angel.longHair = true;
    drawRobe(art, angel, 336);
    drawHead(art, angel);
    art.canvas.circle(headCentre(angel) + QPointF(0, -9), 3.5, d.gold, 0.6);
    // Water poured from cup to cup without a drop spilled.
    QPainterPath stream(QPointF(96, 200));
    stream.cubicTo(QPointF(126, 196), QPointF(150, 226), QPointF(158, 262));
    art.canvas.limb(stream, 6, d.lightBlue);
    turned(art, QPointF(86, 204), 40, false, [&] { drawCup(art, QPointF(86, 224), 42); });
    drawCup(art, QPointF(162, 296), 42);
    drawArm(art, angel, leftShoulder(angel), QPointF(84, 176), QPointF(82, 212), d.red);
    drawArm(art, angel, rightShoulder(angel), QPointF(176, 230), QPointF(162, 282), d.red);
    water(art, QPointF(206, 362), 44, 16);
    flowers(art, {{26, 346}, {48, 358}});
}

void devil(Art& art) {
    const DeckStyle& d = art.deck;
    QPainterPath bat;
    for (double side : {-1.0, 1.0}) {
        bat.moveTo(kMid, 146);
        bat.cubicTo(kMid + side * 40, 90, kMid + side * 96, 96, kMid + side * 112, 110);
        for (int i = 0; i < 4; ++i) {
            bat.quadTo(kMid + side * (104 - i * 24), 150, kMid + side * (88 - i * 24), 140 + i * 8);
        }
        bat.lineTo(kMid, 180);
        bat.closeSubpath();
    }
    art.canvas.shape(bat, mix(d.blue, d.dark, 0.3));
    Person devil{{kMid, 126}, 1.15, d.red, QColor(), d.dark};
    drawLeg(art, devil, QPointF(kMid - 10, 230), QPointF(kMid - 14, 250), QPointF(kMid - 16, 262),
            d.red);
    drawLeg(art, devil, QPointF(kMid + 10, 230), QPointF(kMid + 14, 250), QPointF(kMid + 16, 262),
            d.red);
    drawRobe(art, devil, 232);
    for (double side : {-1.0, 1.0}) {
        const QPointF base = headCentre(devil) + QPointF(side * 9, -10);
        QPainterPath horn(base + QPointF(-side * 5, 2));
        horn.cubicTo(base + QPointF(side * 2, -14), base + QPointF(side * 20, -14),
                     base + QPointF(side * 22, -30));
        horn.cubicTo(base + QPointF(side * 12, -20), base + QPointF(side * 6, -8),
                     base + QPointF(side * 5, 2));
        horn.closeSubpath();
        art.canvas.shape(horn, mix(d.white, d.yellow, 0.4), 0.8);
    }
    drawHead(art, devil);
    art.canvas.glyph(text("\u26E7"), QRectF(kMid - 5, headCentre(devil).y() - 15, 10, 10),
                     d.yellow);
    // The raised torch.
    staff(art, QPointF(80, 170), QPointF(68, 96), d.brown, 5);
    art.canvas.woodcut(text("\U0001F525"), QRectF(52, 60, 32, 40), d.yellow);
    drawArm(art, devil, leftShoulder(devil), QPointF(86, 150), QPointF(76, 140), d.red);
    drawArm(art, devil, rightShoulder(devil), QPointF(172, 170), QPointF(176, 140), d.red);
    // The pedestal and the two bound figures, their chains loose.
    art.canvas.rect(QRectF(84, 262, 84, 44), d.brown);
    art.canvas.circle(QPointF(kMid, 284), 8, d.grey, 0.9);
    for (double x : {64.0, 188.0}) {
        Person imp{{x, 306}, 0.62, d.flesh, QColor(), d.dark};
        for (double side : {-1.0, 1.0}) {
            QPainterPath horn(headCentre(imp) + QPointF(side * 3, -6));
            horn.quadTo(headCentre(imp) + QPointF(side * 10, -8),
                        headCentre(imp) + QPointF(side * 11, -16));
            art.canvas.limb(horn, 2.4, mix(d.white, d.yellow, 0.4));
        }
        drawRobe(art, imp, 352);
        drawHead(art, imp);
        QPainterPath chain(QPointF(kMid, 284));
        chain.quadTo(QPointF((kMid + x) / 2, 310), imp.neck + QPointF(0, 2));
        art.canvas.stroke(chain, d.grey, 2.2);
    }
}

void tower(Art& art) {
    const DeckStyle& d = art.deck;
    const QColor stone = mix(d.yellow, d.flesh, 0.5);
    art.canvas.polygon({{82, 336}, {170, 336}, {162, 128}, {90, 128}}, stone);
    for (int row = 0; row < 10; ++row) {
        const double y = 148 + row * 19;
        art.canvas.line(QPointF(90 - row * 0.4, y), QPointF(162 + row * 0.4, y), 0.45);
        for (int col = 0; col < 3; ++col) {
            const double x = 104 + col * 22 + (row % 2) * 11;
            art.canvas.line(QPointF(x, y), QPointF(x, y + 19), 0.45);
        }
    }
    art.canvas.rect(QRectF(114, 296, 24, 40), d.dark);
    for (const QPointF& at : {QPointF(104, 190), QPointF(140, 190), QPointF(122, 240)}) {
        art.canvas.rect(QRectF(at.x() - 7, at.y() - 12, 14, 24), d.dark);
        QPainterPath flame(at + QPointF(0, -18));
        flame.cubicTo(at + QPointF(10, -6), at + QPointF(9, 10), at + QPointF(0, 11));
        flame.cubicTo(at + QPointF(-9, 10), at + QPointF(-10, -6), at + QPointF(0, -18));
        art.canvas.shape(flame, d.red, 0.7);
        art.canvas.ellipse(at + QPointF(0, 4), 3.5, 6, d.yellow, 0.0);
    }
    // The crown thrown off by the lightning.
    turned(art, QPointF(178, 100), 28, false, [&] {
        art.canvas.polygon({{152, 118},
                            {204, 118},
                            {204, 100},
                            {194, 100},
                            {194, 92},
                            {184, 92},
                            {184, 100},
                            {172, 100},
                            {172, 92},
                            {162, 92},
                            {162, 100},
                            {152, 100}},
                           stone);
    });
    art.canvas.polygon({{252, 0},
                        {222, 40},
                        {234, 44},
                        {196, 84},
                        {210, 86},
                        {166, 124},
                        {200, 80},
                        {186, 78},
                        {216, 40},
                        {204, 36},
                        {236, 0}},
                       d.yellow);
    // The falling figures and the scattered drops.
    for (const auto& [at, angle, robe] : {std::tuple{QPointF(44, 250), 200.0, d.blue},
                                          std::tuple{QPointF(206, 270), 150.0, d.red}}) {
        turned(art, at, angle, false, [&] {
            Person falling{at + QPointF(0, -16), 0.7, robe, QColor(), d.brown};
            drawRobe(art, falling, at.y() + 40);
            drawHead(art, falling);
        });
    }
    drops(art, {{30, 120}, {60, 90}, {210, 170}, {232, 210}, {40, 180}, {226, 130}, {70, 150}});
}

void star(Art& art) {
    const DeckStyle& d = art.deck;
    art.canvas.star(QPointF(kMid, 72), 44, 8, d.yellow, 0.45);
    art.canvas.star(QPointF(kMid, 72), 24, 8, d.red, 0.45, kPi / 8);
    const QPointF small[] = {{34, 48},   {68, 118},  {40, 160},  {218, 48},
                             {184, 118}, {212, 160}, {kMid, 150}};
    for (const QPointF& at : small) {
        art.canvas.star(at, 12, 8, at.x() < kMid ? d.blue : d.yellow, 0.42);
    }
    water(art, QPointF(66, 364), 60, 20);
    // A tree with its bird, and the one who pours.
    staff(art, QPointF(222, 336), QPointF(222, 236), d.brown, 8);
    art.canvas.circle(QPointF(222, 222), 24, d.green);
    art.canvas.woodcut(text("\U0001F426"), QRectF(204, 192, 30, 26), d.blue);
    Person pourer{{132, 222}, 1.0, d.lightBlue, d.red, d.yellow};
    pourer.longHair = true;
    drawSeatedRobe(art, pourer, 302, 340);
    drawHead(art, pourer);
    QPainterPath left(QPointF(86, 296));
    left.quadTo(QPointF(76, 330), QPointF(72, 352));
    art.canvas.limb(left, 5, d.lightBlue);
    QPainterPath right(QPointF(184, 302));
    right.quadTo(QPointF(196, 330), QPointF(198, 350));
    art.canvas.limb(right, 5, d.lightBlue);
    turned(art, QPointF(92, 284), -60, false,
           [&] { art.canvas.woodcut(text("\U0001F3FA"), QRectF(72, 260, 40, 48), d.red); });
    turned(art, QPointF(178, 290), 60, false,
           [&] { art.canvas.woodcut(text("\U0001F3FA"), QRectF(158, 266, 40, 48), d.blue); });
    drawArm(art, pourer, leftShoulder(pourer), QPointF(96, 252), QPointF(98, 282), d.lightBlue);
    drawArm(art, pourer, rightShoulder(pourer), QPointF(168, 252), QPointF(170, 286), d.lightBlue);
}

void moon(Art& art) {
    const DeckStyle& d = art.deck;
    for (int i = 0; i < 28; ++i) {
        const double a = 2 * kPi * i / 28;
        const double len = i % 2 == 0 ? 60 : 52;
        art.canvas.line(QPointF(kMid, 80) + QPointF(std::cos(a), std::sin(a)) * 44,
                        QPointF(kMid, 80) + QPointF(std::cos(a), std::sin(a)) * len, 0.7);
    }
    art.canvas.circle(QPointF(kMid, 80), 42, mix(d.lightBlue, d.white, 0.5));
    art.canvas.woodcut(text("\U0001F31C"), QRectF(kMid - 34, 44, 68, 72), d.yellow);
    drops(art, {{56, 140}, {82, 160}, {110, 150}, {142, 150}, {170, 160}, {196, 140}});
    // Two towers, the path between them, the dog and the wolf, the pool and its crayfish.
    for (double x : {32.0, 220.0}) {
        art.canvas.rect(QRectF(x - 22, 178, 44, 160), mix(d.yellow, d.white, 0.4));
        for (int i = 0; i < 3; ++i) {
            art.canvas.rect(QRectF(x - 22 + i * 16, 168, 12, 12), mix(d.yellow, d.white, 0.4));
        }
        art.canvas.rect(QRectF(x - 5, 214, 10, 18), d.dark, 0.6);
    }
    QPainterPath path;
    path.moveTo(100, 400);
    path.cubicTo(104, 340, 150, 316, 122, 262);
    path.lineTo(132, 262);
    path.cubicTo(170, 316, 140, 350, 156, 400);
    path.closeSubpath();
    art.canvas.shape(path, mix(d.yellow, d.white, 0.5), 0.6);
    woodcut(art, "\U0001F415", QRectF(48, 262, 70, 62), mix(d.white, d.yellow, 0.3), true);
    woodcut(art, "\U0001F415", QRectF(136, 262, 70, 62), mix(d.grey, d.blue, 0.3), false);
    water(art, QPointF(kMid, 370), 92, 24);
    art.canvas.woodcut(text("\U0001F980"), QRectF(kMid - 22, 348, 44, 36), d.blue);
}

void sun(Art& art) {
    const DeckStyle& d = art.deck;
    drawSunDisc(art, QPointF(kMid, 96), 46, true, 24);
    drops(art, {{40, 176}, {76, 196}, {176, 196}, {212, 176}, {58, 150}, {194, 150}});
    // The low wall that shelters the garden.
    art.canvas.rect(QRectF(0, 256, kPanelWidth, 44), mix(d.yellow, d.white, 0.3));
    for (int row = 0; row < 3; ++row) {
        const double y = 256 + row * 14.6;
        art.canvas.line(QPointF(0, y), QPointF(kPanelWidth, y), 0.45);
        for (double x = (row % 2) * 18; x < kPanelWidth; x += 36) {
            art.canvas.line(QPointF(x, y), QPointF(x, y + 14.6), 0.45);
        }
    }
    art.canvas.rect(QRectF(0, 250, kPanelWidth, 8), d.red, 0.8);
    Person left{{94, 238}, 0.85, d.blue, QColor(), d.yellow};
    Person right{{158, 238}, 0.85, d.red, QColor(), d.yellow};
    for (const Person* child : {&left, &right}) {
        const double x = child->neck.x();
        drawLeg(art, *child, QPointF(x - 6, 288), QPointF(x - 7, 312), QPointF(x - 8, 334),
                d.flesh);
        drawLeg(art, *child, QPointF(x + 6, 288), QPointF(x + 7, 312), QPointF(x + 8, 334),
                d.flesh);
        drawRobe(art, *child, 292);
        drawHead(art, *child);
    }
    drawArm(art, left, leftShoulder(left), QPointF(70, 270), QPointF(74, 290), d.blue);
    drawArm(art, right, rightShoulder(right), QPointF(182, 270), QPointF(178, 290), d.red);
    drawArm(art, left, rightShoulder(left), QPointF(114, 262), QPointF(126, 266), d.blue);
    drawArm(art, right, leftShoulder(right), QPointF(138, 262), QPointF(128, 266), d.red);
}

void judgment(Art& art) {
    const DeckStyle& d = art.deck;
    drawCloud(art, QPointF(60, 118), 110, d.white);
    drawCloud(art, QPointF(196, 112), 110, d.white);
    drawWings(art, QPointF(kMid, 88), 58, d.red);
    Person angel{{kMid, 84}, 0.95, d.blue, QColor(), d.yellow};
    angel.longHair = true;
    drawRobe(art, angel, 136);
    drawCloud(art, QPointF(kMid, 150), 130, d.white);
    drawHead(art, angel);
    // The trumpet with its banner.
    art.canvas.polygon({{kMid + 8, 74}, {198, 148}, {208, 140}, {kMid + 10, 68}}, d.yellow);
    art.canvas.polygon({{196, 152}, {222, 136}, {214, 126}}, d.yellow);
    art.canvas.rect(QRectF(162, 116, 30, 30), d.white, 0.8);
    art.canvas.limb(QPointF(177, 120), QPointF(177, 142), 4, d.red);
    art.canvas.limb(QPointF(166, 131), QPointF(188, 131), 4, d.red);
    drawArm(art, angel, rightShoulder(angel), QPointF(156, 100), QPointF(160, 84), d.blue);
    // The dead rise from the tomb.
    art.canvas.rect(QRectF(70, 290, 112, 48), mix(d.grey, d.white, 0.3));
    art.canvas.rect(QRectF(64, 284, 124, 10), mix(d.grey, d.white, 0.2));
    Person child{{kMid, 250}, 0.78, d.flesh, QColor(), d.yellow};
    drawRobe(art, child, 290);
    drawHead(art, child);
    drawArm(art, child, leftShoulder(child), QPointF(106, 242), QPointF(104, 222), d.flesh);
    drawArm(art, child, rightShoulder(child), QPointF(146, 242), QPointF(148, 222), d.flesh);
    for (const auto& [x, robe] : {std::pair{42.0, d.blue}, std::pair{210.0, d.red}}) {
        Person raised{{x, 252}, 0.92, robe, QColor(), d.brown};
        raised.longHair = x > kMid;
        drawRobe(art, raised, 340);
        drawHead(art, raised);
        drawArm(art, raised, leftShoulder(raised), QPointF(x - 12, 274), QPointF(x - 2, 262), robe);
        drawArm(art, raised, rightShoulder(raised), QPointF(x + 12, 274), QPointF(x + 2, 262),
                robe);
    }
}

void fool(Art& art) {
    const DeckStyle& d = art.deck;
    drawSunDisc(art, QPointF(212, 50), 18, false, 14);
    // The traveller walks to the right, mirrored from a figure turned to the left.
    turned(art, QPointF(kMid, 200), 0, true, [&] {
        Person fool{{kMid, 112}, 1.1, d.red, d.blue, d.yellow, Headwear::JesterCap, d.yellow};
        fool.profile = true;
        drawLeg(art, fool, QPointF(kMid - 8, 240), QPointF(kMid - 34, 286), QPointF(kMid - 44, 334),
                d.blue);
        drawLeg(art, fool, QPointF(kMid + 8, 240), QPointF(kMid + 16, 290), QPointF(kMid + 26, 330),
                d.yellow);
        drawRobe(art, fool, 252);
        for (int i = 0; i < 5; ++i) {
            art.canvas.circle(QPointF(kMid - 24 + i * 12, 252), 3, d.yellow, 0.6);
        }
        drawHead(art, fool);
        staff(art, QPointF(kMid - 50, 334), QPointF(kMid - 44, 144), d.brown, 6);
        drawArm(art, fool, leftShoulder(fool), QPointF(kMid - 40, 164), QPointF(kMid - 46, 182),
                d.blue);
        staff(art, QPointF(kMid + 8, 140), QPointF(kMid + 80, 80), d.brown, 4.5);
        art.canvas.circle(QPointF(kMid + 84, 80), 16, d.white);
        art.canvas.line(QPointF(kMid + 72, 70), QPointF(kMid + 96, 90), 0.6);
        drawArm(art, fool, rightShoulder(fool), QPointF(kMid + 26, 150), QPointF(kMid + 12, 140),
                d.blue);
    });
    woodcut(art, "\U0001F415", QRectF(18, 272, 72, 64), mix(d.white, d.brown, 0.3), true);
}

void world(Art& art) {
    const DeckStyle& d = art.deck;
    const QPointF centre(kMid, 200);
    const double rx = 76, ry = 126;
    for (int i = 0; i < 48; ++i) {
        const double a = 2 * kPi * i / 48;
        const QPointF at = centre + QPointF(std::cos(a) * rx, std::sin(a) * ry);
        const double tangent = std::atan2(std::cos(a) * ry, -std::sin(a) * rx) * 180 / kPi;
        turned(art, at, tangent + 25, false, [&] {
            art.canvas.ellipse(at, 9, 4.5, i % 2 ? d.green : mix(d.green, d.yellow, 0.3), 0.6);
        });
    }
    for (double y : {centre.y() - ry, centre.y() + ry}) {
        art.canvas.ellipse(QPointF(kMid, y), 12, 7, d.red, 0.8);
    }
    Person dancer{{kMid, 132}, 0.95, d.red, d.blue, d.yellow, Headwear::None, QColor()};
    dancer.longHair = true;
    drawLeg(art, dancer, QPointF(kMid - 4, 230), QPointF(kMid - 2, 270), QPointF(kMid - 2, 310),
            d.flesh);
    drawLeg(art, dancer, QPointF(kMid + 6, 230), QPointF(kMid + 30, 262), QPointF(kMid + 4, 282),
            d.flesh);
    drawRobe(art, dancer, 236);
    drawHead(art, dancer);
    staff(art, QPointF(84, 200), QPointF(96, 150), d.yellow, 4);
    drawArm(art, dancer, leftShoulder(dancer), QPointF(92, 170), QPointF(90, 178), d.flesh);
    drawArm(art, dancer, rightShoulder(dancer), QPointF(164, 150), QPointF(168, 132), d.flesh);
    creatureInCloud(art, "\U0001F47C", QPointF(30, 36), d.flesh);
    creatureInCloud(art, "\U0001F985", QPointF(222, 36), d.yellow);
    creatureInCloud(art, "\U0001F402", QPointF(30, 350), d.brown);
    creatureInCloud(art, "\U0001F981", QPointF(222, 350), d.yellow);
}

} // namespace cards::emblems
