#pragma once

#include "CardFrame.h"

#include <QColor>
#include <QPointF>

// The people of the cards, built from a few outlined shapes in the manner of the old woodcut
// decks: a head with its headwear, a robe, arms and legs as thick outlined strokes.
namespace cards::figures {

enum class Headwear {
    None,
    Crown,     // spiked golden crown
    WideHat,   // broad brim curled like the sign of infinity
    Tiara,     // the triple crown
    Hood,      // a pilgrim's hood
    Helmet,    // a knight's helmet
    Crescent,  // a crown with the moon's crescent
    JesterCap, // a cap with bells
    Wreath,    // a wreath of leaves
};

struct Person {
    Person(QPointF neckAt, double size, const QColor& robeColour, const QColor& mantleColour,
           const QColor& hairColour, Headwear headwear = Headwear::None,
           const QColor& headwearColour = QColor())
        : neck(neckAt), scale(size), robe(robeColour), mantle(mantleColour), hair(hairColour),
          hat(headwear), hatColour(headwearColour) {}

    QPointF neck;       // base of the neck
    double scale = 1.0; // 1: a head of radius 13
    QColor robe;        // main garment
    QColor mantle;      // cloak behind the body (invalid: none)
    QColor hair;        // hair and beard
    Headwear hat = Headwear::None;
    QColor hatColour; // invalid: the deck's yellow
    bool beard = false;
    bool longHair = false;
    bool profile = false; // turned to the left
};

double headRadius(const Person& p);
QPointF headCentre(const Person& p);
// The left and right shoulder points.
QPointF leftShoulder(const Person& p);
QPointF rightShoulder(const Person& p);

void drawHead(Art& art, const Person& p);
// A standing figure's robe from the shoulders down to the hem line.
void drawRobe(Art& art, const Person& p, double hemY);
// A seated figure: the robe over the knees, hem at hemY, knees at kneeY.
void drawSeatedRobe(Art& art, const Person& p, double kneeY, double hemY);
// An arm from the shoulder through the elbow to the hand, with the hand at the end.
void drawArm(Art& art, const Person& p, QPointF shoulder, QPointF elbow, QPointF hand,
             const QColor& sleeve);
// A leg from the hip through the knee to the foot, in hose of the colour.
void drawLeg(Art& art, const Person& p, QPointF hip, QPointF knee, QPointF foot,
             const QColor& hose);
void drawHand(Art& art, const Person& p, QPointF at);

// Common furniture of the cards.
void drawCrown(Art& art, QPointF base, double width, const QColor& colour);
void drawThrone(Art& art, const QRectF& back, const QColor& colour);
void drawPillar(Art& art, double x, double top, double bottom, double width, const QColor& colour,
                const QString& letter = QString());
void drawCloud(Art& art, QPointF centre, double width, const QColor& colour);
void drawSunDisc(Art& art, QPointF centre, double r, bool face, int rays = 16);
void drawMountains(Art& art, double baseY, const QColor& colour);
void drawWings(Art& art, QPointF root, double span, const QColor& colour);
// A lion's head, face on, with its mane.
void drawLion(Art& art, QPointF centre, double r);

} // namespace cards::figures
