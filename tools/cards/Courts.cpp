#include "Courts.h"

namespace cards {

void drawCourt(Art& art, Suit suit, int rank) {
    static const char* kFigures[] = {"\u265F", "\u265E", "\u265B", "\u265A"};
    art.canvas.woodcut(QString::fromUtf8(kFigures[rank - 11]), QRectF(40, 60, 172, 220),
                       art.deck.red);
    drawSuitSign(art, suit, QRectF(96, 270, 60, 100));
}

} // namespace cards
