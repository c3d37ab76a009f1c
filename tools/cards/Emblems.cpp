#include "Emblems.h"

namespace cards::emblems {

namespace {

void centred(Art& art, const char* glyph, const QColor& fill) {
    art.canvas.woodcut(QString::fromUtf8(glyph), QRectF(36, 90, 180, 200), fill);
}

} // namespace

void magician(Art& art) {
    centred(art, "🕯", art.deck.yellow);
}

void highPriestess(Art& art) {
    centred(art, "📜", art.deck.yellow);
}

void empress(Art& art) {
    centred(art, "👑", art.deck.yellow);
}

void emperor(Art& art) {
    centred(art, "♚", art.deck.yellow);
}

void hierophant(Art& art) {
    centred(art, "🗝", art.deck.yellow);
}

void lovers(Art& art) {
    centred(art, "💘", art.deck.yellow);
}

void chariot(Art& art) {
    centred(art, "🏇", art.deck.yellow);
}

void justice(Art& art) {
    centred(art, "⚖", art.deck.yellow);
}

void hermit(Art& art) {
    centred(art, "🏮", art.deck.yellow);
}

void wheel(Art& art) {
    centred(art, "☸", art.deck.yellow);
}

void strength(Art& art) {
    centred(art, "🦁", art.deck.yellow);
}

void hangedMan(Art& art) {
    centred(art, "🌳", art.deck.yellow);
}

void death(Art& art) {
    centred(art, "💀", art.deck.yellow);
}

void temperance(Art& art) {
    centred(art, "🏺", art.deck.yellow);
}

void devil(Art& art) {
    centred(art, "😈", art.deck.yellow);
}

void tower(Art& art) {
    centred(art, "🗼", art.deck.yellow);
}

void star(Art& art) {
    centred(art, "🌟", art.deck.yellow);
}

void moon(Art& art) {
    centred(art, "🌛", art.deck.yellow);
}

void sun(Art& art) {
    centred(art, "🌞", art.deck.yellow);
}

void judgment(Art& art) {
    centred(art, "🎺", art.deck.yellow);
}

void fool(Art& art) {
    centred(art, "🐕", art.deck.yellow);
}

void world(Art& art) {
    centred(art, "🌍", art.deck.yellow);
}

} // namespace cards::emblems
