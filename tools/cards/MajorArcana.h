#pragma once

#include "CardFrame.h"

#include <QString>

#include <vector>

namespace cards {

// One major arcana card: its number 1 to 22 (21 The Fool, 22 The World), its picture file and
// what its face shows.
struct MajorCard {
    int number;
    QString file;
    CardFace face;
    Emblem emblem;
};

// The 22 cards in number order.
const std::vector<MajorCard>& majorArcana();

} // namespace cards
