#include "readings/OracleReadings.h"

#include <QRandomGenerator>

#include <utility>

namespace readings {
namespace {

constexpr int kDatePositions = 10; // characters of the short date text that count
constexpr runtime::Integer kPipCards = 10;

// Court cards 11..14: page, knight, queen, king.
constexpr std::array<const char*, 4> kCourtPrefixes = {"sota-", "caballo-", "reina-", "rey-"};

std::function<double()>& uniformSource() {
    static std::function<double()> source;
    return source;
}

double uniform() {
    const auto& source = uniformSource();
    return source ? source() : QRandomGenerator::global()->generateDouble();
}

} // namespace

QString suitFileWord(Suit suit) {
    switch (suit) {
    case Suit::Swords:
        return QStringLiteral("espadas");
    case Suit::Wands:
        return QStringLiteral("bastos");
    case Suit::Cups:
        return QStringLiteral("copas");
    case Suit::Coins:
        return QStringLiteral("oros");
    }
    return QString();
}

QString suitLogWord(Suit suit) {
    switch (suit) {
    case Suit::Swords:
        return QStringLiteral("swords");
    case Suit::Wands:
        return QStringLiteral("batons");
    case Suit::Cups:
        return QStringLiteral("cups");
    case Suit::Coins:
        return QStringLiteral("golds");
    }
    return QString();
}

QString minorCardStem(Suit suit, runtime::Integer card) {
    if (card >= 1 && card <= kPipCards) {
        return QString::number(card) + suitFileWord(suit);
    }
    if (card > kPipCards && card <= kPipCards + static_cast<int>(kCourtPrefixes.size())) {
        return QLatin1String(kCourtPrefixes[card - kPipCards - 1]) + suitFileWord(suit);
    }
    return QString();
}

QString minorCardPicture(Suit suit, runtime::Integer card) {
    const QString stem = minorCardStem(suit, card);
    return stem.isEmpty() ? QString() : stem + QStringLiteral(".jpg");
}

runtime::Long dateDigitSum(const QString& shortDateText) {
    runtime::Long sum = 0;
    for (const QChar ch : shortDateText.left(kDatePositions)) {
        sum += runtime::digitValue(ch);
    }
    return sum;
}

runtime::Integer reduceOracleCard(runtime::Long sum, runtime::Integer cards) {
    while (sum > cards) {
        sum -= cards;
    }
    return static_cast<runtime::Integer>(sum);
}

bool tiradaAllowsReversed(const QString& tirada) {
    return tirada != QLatin1String("objetiva") && !tirada.isEmpty();
}

runtime::Single drawOrientation() {
    return uniform() < 0.5 ? kUpright : kReversed;
}

void setUniformSource(std::function<double()> source) {
    uniformSource() = std::move(source);
}

} // namespace readings
