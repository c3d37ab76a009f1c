#pragma once

#include "Canvas.h"
#include "DeckStyle.h"

#include <QImage>
#include <QString>

#include <functional>

namespace cards {

// What stands behind the emblem.
enum class Scene {
    Day,   // sky over a strip of ground
    Night, // night sky with stars over dark ground
    Plain, // the panel's paper, no ground
    Field, // paper with a strip of ground
};

// The brush of an emblem: the canvas and the deck whose colours it paints with.
struct Art {
    tooldraw::Canvas& canvas;
    const DeckStyle& deck;
};

using Emblem = std::function<void(Art&)>;

struct CardFace {
    QString numeral; // Roman numeral at the top; empty for none
    QString title;   // title at the bottom, in capitals
    QString hebrew;  // Hebrew letter (shown by decks with correspondences)
    QString astro;   // planet, sign or element glyph (the same)
    Scene scene = Scene::Day;
};

// Height of the ground strip at the bottom of the panel, in panel coordinates.
constexpr double kGroundTop = 336.0;

// The whole card: border, frame, numeral, title, scene and emblem, at kCardWidth x kCardHeight.
QImage drawCard(const DeckStyle& deck, const CardFace& face, const Emblem& emblem);

// A card without numeral or title panel (the backs): the emblem draws on the whole card in card
// coordinates.
QImage drawFullCard(const DeckStyle& deck, const Emblem& emblem);

} // namespace cards
