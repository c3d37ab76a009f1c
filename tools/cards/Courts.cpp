#include "Courts.h"

#include "Figures.h"

using tooldraw::mix;

namespace cards {

using namespace figures;

namespace {

constexpr double kMid = kPanelWidth / 2.0;

struct SuitColours {
    QColor robe, mantle, hat;
};

SuitColours coloursOf(const DeckStyle& d, Suit suit) {
    switch (suit) {
    case Suit::Swords:
        return {d.blue, d.red, d.yellow};
    case Suit::Batons:
        return {d.red, d.green, d.yellow};
    case Suit::Cups:
        return {d.purple, d.yellow, d.red};
    case Suit::Coins:
        return {d.green, d.red, d.yellow};
    }
    return {d.blue, d.red, d.yellow};
}

// The sign held up in a hand: a sword or baton stands on the hand, a cup or coin sits above it.
void heldSign(Art& art, Suit suit, QPointF hand, double size) {
    switch (suit) {
    case Suit::Swords:
        drawSword(art, hand + QPointF(0, size * 0.25), hand + QPointF(0, -size * 1.6), 0.0,
                  size / 90.0);
        break;
    case Suit::Batons:
        drawBaton(art, hand + QPointF(-size * 0.15, size * 0.5),
                  hand + QPointF(size * 0.2, -size * 1.4), size / 80.0);
        break;
    case Suit::Cups:
        drawCup(art, hand + QPointF(0, -2), size * 0.9);
        break;
    case Suit::Coins:
        drawCoin(art, hand + QPointF(0, -size * 0.4), size * 0.38);
        break;
    }
}

void page(Art& art, Suit suit) {
    const DeckStyle& d = art.deck;
    const SuitColours c = coloursOf(d, suit);
    Person youth{{118, 104}, 1.25, c.robe, c.mantle, d.yellow, Headwear::WideHat, c.hat};
    drawLeg(art, youth, QPointF(108, 246), QPointF(104, 294), QPointF(100, 336), c.mantle);
    drawLeg(art, youth, QPointF(128, 246), QPointF(134, 294), QPointF(140, 336), c.hat);
    drawRobe(art, youth, 258);
    drawHead(art, youth);
    drawArm(art, youth, leftShoulder(youth), QPointF(80, 180), QPointF(88, 222), c.robe);
    const QPointF hand(176, 168);
    drawArm(art, youth, rightShoulder(youth), QPointF(164, 166), hand, c.robe);
    heldSign(art, suit, hand, 76);
    drawHand(art, youth, hand);
}

void knight(Art& art, Suit suit) {
    const DeckStyle& d = art.deck;
    const SuitColours c = coloursOf(d, suit);
    Person rider{{146, 136}, 1.05, c.robe, c.mantle, d.brown, Headwear::Helmet, c.hat};
    drawRobe(art, rider, 232);
    drawHead(art, rider);
    const QPainterPath horse = tooldraw::fittedText(
        QString::fromUtf8("\U0001F40E"), QRectF(6, 176, 240, 170), tooldraw::Face::Symbols);
    art.canvas.painter().setPen(Qt::NoPen);
    art.canvas.painter().setBrush(mix(d.white, d.yellow, 0.2));
    art.canvas.painter().drawPath(tooldraw::silhouette(horse));
    art.canvas.painter().setBrush(art.canvas.ink().line);
    art.canvas.painter().drawPath(horse);
    // Saddle cloth, and the rider's leg over the horse's flank.
    QPainterPath cloth;
    cloth.addRoundedRect(QRectF(118, 214, 52, 30), 6, 6);
    art.canvas.shape(cloth, c.mantle);
    drawLeg(art, rider, QPointF(146, 222), QPointF(138, 252), QPointF(150, 276), c.hat);
    drawArm(art, rider, leftShoulder(rider), QPointF(112, 172), QPointF(112, 196), c.robe);
    const QPointF hand(186, 146);
    drawArm(art, rider, rightShoulder(rider), QPointF(176, 170), hand, c.robe);
    heldSign(art, suit, hand, 58);
    drawHand(art, rider, hand);
}

void monarch(Art& art, Suit suit, bool king) {
    const DeckStyle& d = art.deck;
    const SuitColours c = coloursOf(d, suit);
    drawThrone(art, QRectF(56, 88, 140, 222), mix(d.brown, d.yellow, king ? 0.2 : 0.5));
    Person ruler{{kMid, 140},     1.12,    c.robe, c.mantle, king ? d.white : d.yellow,
                 Headwear::Crown, d.yellow};
    ruler.beard = king;
    ruler.longHair = !king;
    drawSeatedRobe(art, ruler, 262, 330);
    drawHead(art, ruler);
    drawArm(art, ruler, leftShoulder(ruler), QPointF(86, 200), QPointF(100, 236), c.robe);
    const QPointF hand(172, 200);
    drawArm(art, ruler, rightShoulder(ruler), QPointF(182, 190), hand, c.robe);
    heldSign(art, suit, hand, 80);
    drawHand(art, ruler, hand);
    if (king) {
        art.canvas.circle(QPointF(100, 232), 10, d.yellow);
        art.canvas.limb(QPointF(100, 222), QPointF(100, 212), 3, d.yellow);
    }
}

} // namespace

void drawCourt(Art& art, Suit suit, int rank) {
    switch (rank) {
    case 11:
        page(art, suit);
        break;
    case 12:
        knight(art, suit);
        break;
    case 13:
        monarch(art, suit, false);
        break;
    default:
        monarch(art, suit, true);
        break;
    }
}

} // namespace cards
