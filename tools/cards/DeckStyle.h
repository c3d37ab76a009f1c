#pragma once

#include "Canvas.h"

#include <QColor>
#include <QString>

namespace cards {

// Logical size of every card; pictures are drawn at twice this size and scaled down.
constexpr int kCardWidth = 300;
constexpr int kCardHeight = 520;
constexpr int kSupersample = 2;

// The picture panel inside the frame, in card coordinates; emblems draw in its own coordinates
// (0, 0) to (kPanelWidth, kPanelHeight).
constexpr double kPanelLeft = 24.0;
constexpr double kPanelTop = 60.0;
constexpr double kPanelWidth = 252.0;
constexpr double kPanelHeight = 400.0;

// Colours and manners of one deck. Emblems ask for colours by their role, so one drawing serves
// the three decks.
struct DeckStyle {
    QString folder; // folder under the program folder, e.g. "imagenes"
    tooldraw::Ink ink;

    QColor border;                // outside the frame
    QColor frame;                 // frame lines
    QColor frameInner;            // the thin inner line
    QColor paper;                 // panel background by day
    QColor skyTop, skyBottom;     // day sky
    QColor nightTop, nightBottom; // night sky
    QColor ground, groundDark;
    QColor cartouche, cartoucheText;

    QColor red, blue, yellow, flesh, green, lightBlue, white, purple, brown, grey, gold, dark;

    bool starsAtNight = true;
    bool correspondences = false; // Hebrew letter and planet or sign beside the numeral
    bool hatchedGround = false;   // the classic decks' striped ground
    tooldraw::Face titleFace = tooldraw::Face::SerifBold;
};

const DeckStyle& beautifulDeck();
const DeckStyle& classicDeck();
const DeckStyle& esotericDeck();
// The minor arcana and the backs share the colours of the default deck.
const DeckStyle& minorDeck();

} // namespace cards
