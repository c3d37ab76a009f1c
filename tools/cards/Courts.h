#pragma once

#include "SuitSigns.h"

namespace cards {

// The court cards (rank 11 page, 12 knight, 13 queen, 14 king) in panel coordinates.
void drawCourt(Art& art, Suit suit, int rank);

} // namespace cards
