#pragma once

#include "SuitSigns.h"

#include <QImage>
#include <QString>

#include <vector>

namespace cards {

// One minor arcana card: rank 1 to 10, 11 page, 12 knight, 13 queen, 14 king.
struct MinorCard {
    Suit suit;
    int rank;
    QString file;
};

// The 56 cards, suit by suit (swords, batons, cups, coins), rank by rank.
std::vector<MinorCard> minorArcana();

QImage drawMinorCard(const MinorCard& card);

} // namespace cards
