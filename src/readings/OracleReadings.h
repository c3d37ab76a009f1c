#pragma once

#include "runtime/Numeric.h"

#include <QString>

#include <array>
#include <functional>

namespace readings {

// The four suits of the Oracle's questions, in the order of their boxes' tab order.
enum class Suit { Swords, Wands, Cups, Coins };
constexpr std::array<Suit, 4> kSuits = {Suit::Swords, Suit::Wands, Suit::Cups, Suit::Coins};

// The suit's word in its file names ("espadas", "bastos", "copas", "oros").
QString suitFileWord(Suit suit);
// The suit's word in the result log ("swords", "batons", "cups", "golds").
QString suitLogWord(Suit suit);

// The picture stem of minor card 1..14 of a suit: "1espadas" .. "10espadas", then the court
// cards "sota-", "caballo-", "reina-", "rey-" and the suit word; "" for any other number.
QString minorCardStem(Suit suit, runtime::Integer card);
// "1espadas.jpg" .. "rey-oros.jpg" in "\amenores\".
QString minorCardPicture(Suit suit, runtime::Integer card);

// Card backs of "\amenores\": the suit boxes' and the global box's.
inline const QString kSuitBack = QStringLiteral("reverso.jpg");
inline const QString kGlobalBack = QStringLiteral("reverso2.jpg");

// The sum of the digits over the first 10 characters of a short date text: other characters
// and missing positions count 0.
runtime::Long dateDigitSum(const QString& shortDateText);

// Repeated subtraction of `cards` while above it (14 a minor card, 22 a major one); sums
// are wider than a card number, so a very long question still gives a card.
runtime::Integer reduceOracleCard(runtime::Long sum, runtime::Integer cards);

// "Tirada" at anything but "objetiva" or "" (compared exactly) allows reversed cards.
bool tiradaAllowsReversed(const QString& tirada);

// Orientation of a card: 1 upright, 2 reversed, each with probability one half.
constexpr runtime::Single kUpright = 1.0F;
constexpr runtime::Single kReversed = 2.0F;
runtime::Single drawOrientation();
// Tests put a fixed source of uniform numbers in [0, 1); an empty function restores chance.
void setUniformSource(std::function<double()> source);

} // namespace readings
