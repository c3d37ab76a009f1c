#include "MinorArcana.h"

#include "Courts.h"
#include "SuitSigns.h"

#include <QPolygonF>

#include <array>
#include <cmath>
#include <numbers>

using tooldraw::Face;

namespace cards {

namespace {

struct SuitNames {
    Suit suit;
    const char* fileWord;
    const char* titleWord;
};

constexpr std::array<SuitNames, 4> kSuits = {{
    {Suit::Swords, "espadas", "SWORDS"},
    {Suit::Batons, "bastos", "BATONS"},
    {Suit::Cups, "copas", "CUPS"},
    {Suit::Coins, "oros", "COINS"},
}};

constexpr std::array<const char*, 14> kRankWords = {"ACE",  "TWO",    "THREE", "FOUR", "FIVE",
                                                    "SIX",  "SEVEN",  "EIGHT", "NINE", "TEN",
                                                    "PAGE", "KNIGHT", "QUEEN", "KING"};
constexpr std::array<const char*, 4> kCourtStems = {"sota-", "caballo-", "reina-", "rey-"};
constexpr std::array<const char*, 10> kNumerals = {"I",  "II",  "III",  "IIII",  "V",
                                                   "VI", "VII", "VIII", "VIIII", "X"};

const SuitNames& namesOf(Suit suit) {
    for (const SuitNames& names : kSuits) {
        if (names.suit == suit) {
            return names;
        }
    }
    return kSuits[0];
}

QString fileName(Suit suit, int rank) {
    const QString word = QString::fromUtf8(namesOf(suit).fileWord);
    if (rank <= 10) {
        return QString::number(rank) + word + ".jpg";
    }
    return QString::fromUtf8(kCourtStems[rank - 11]) + word + ".jpg";
}

CardFace faceOf(const MinorCard& card) {
    CardFace face;
    if (card.rank <= 10) {
        face.numeral = QString::fromUtf8(kNumerals[card.rank - 1]);
    }
    face.title = QString::fromUtf8(kRankWords[card.rank - 1]) + " OF " +
                 QString::fromUtf8(namesOf(card.suit).titleWord);
    face.scene = card.rank <= 10 ? Scene::Plain : Scene::Field;
    return face;
}

} // namespace

std::vector<MinorCard> minorArcana() {
    std::vector<MinorCard> cards;
    for (const SuitNames& names : kSuits) {
        for (int rank = 1; rank <= 14; ++rank) {
            cards.push_back({names.suit, rank, fileName(names.suit, rank)});
        }
    }
    return cards;
}

QImage drawMinorCard(const MinorCard& card) {
    return drawCard(minorDeck(), faceOf(card), [&card](Art& art) {
        if (card.rank <= 10) {
            drawPips(art, card.suit, card.rank);
        } else {
            drawCourt(art, card.suit, card.rank);
        }
    });
}

} // namespace cards
