#include "readings/CardMeanings.h"

#include "runtime/Ansi.h"
#include "support/CardTitles.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using readings::cardMeaning;
using runtime::Integer;

class CardMeaningOf : public testing::TestWithParam<Integer> {};

TEST_P(CardMeaningOf, IsOneParagraphUnderTheCardsTitle) {
    const Integer card = GetParam();
    const auto meaning = cardMeaning(card);
    ASSERT_TRUE(meaning.has_value());
    EXPECT_EQ(meaning->title, QString::fromUtf8(testing_support::kCardTitles[card - 1]));
    const QString& text = meaning->text;
    EXPECT_GE(text.size(), 780);
    EXPECT_LE(text.size(), 1020);
    EXPECT_FALSE(text.contains('\r') || text.contains('\n')) << "the box shows one paragraph";
    EXPECT_FALSE(text.contains("  ")) << "pieces are joined with exactly one blank";
    EXPECT_EQ(text, text.trimmed());
    EXPECT_TRUE(text.front().isUpper());
    EXPECT_TRUE(text.endsWith('.'));
    EXPECT_EQ(runtime::fromAnsi(runtime::toAnsi(text)), text) << "fits Windows-1252";
}

INSTANTIATE_TEST_SUITE_P(AllMajorCards, CardMeaningOf, testing::Range<Integer>(1, 23));

TEST(CardMeaning, EachCardHasItsOwnText) {
    for (Integer a = 1; a <= 22; ++a) {
        for (Integer b = a + 1; b <= 22; ++b) {
            EXPECT_NE(cardMeaning(a)->text, cardMeaning(b)->text) << a << " and " << b;
        }
    }
}

// Each text names its card and a sign of its picture or sense that no other text holds, so a text
// given to the wrong card shows.
TEST(CardMeaning, EachTextIsAboutItsOwnCard) {
    const std::pair<const char*, const char*> cards[] = {
        {"Magician", "tools"},  {"High Priestess", "veil"},   {"Empress", "wheat"},
        {"Emperor", "throne"},  {"Hierophant", "keys"},       {"Lovers", "arrow"},
        {"Chariot", "canopy"},  {"Justice", "scales"},        {"Hermit", "lantern"},
        {"Wheel", "destiny"},   {"Strength", "jaws"},         {"Hanged Man", "sacrifice"},
        {"Death", "scythe"},    {"Temperance", "moderation"}, {"Devil", "chained"},
        {"Tower", "lightning"}, {"Star", "kneeling"},         {"Moon", "crayfish"},
        {"Sun", "garden"},      {"Judgment", "trumpet"},      {"Fool", "bundle"},
        {"World", "wreath"}};
    const auto holds = [](Integer card, const char* word) {
        const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(QString::fromLatin1(word)),
                                       QRegularExpression::CaseInsensitiveOption);
        return cardMeaning(card)->text.contains(whole);
    };
    for (Integer card = 1; card <= 22; ++card) {
        const auto& [name, sign] = cards[card - 1];
        EXPECT_TRUE(holds(card, name)) << card << " names " << name;
        for (Integer other = 1; other <= 22; ++other) {
            EXPECT_EQ(holds(other, sign), other == card)
                << card << "'s \"" << sign << "\" in " << other;
        }
    }
}

TEST(CardMeaning, NumbersOutsideTheMajorCardsShowNothing) {
    for (Integer card : {Integer{0}, Integer{23}, Integer{-1}, Integer{-22}, Integer{32767}}) {
        EXPECT_FALSE(cardMeaning(card).has_value()) << card;
    }
}

TEST(CardMeaning, TheFoolIsCard21AndTheWorldCard22) {
    EXPECT_EQ(cardMeaning(21)->title, "XXI. The Fool");
    EXPECT_TRUE(cardMeaning(21)->text.contains("Fool"));
    EXPECT_EQ(cardMeaning(22)->title, "XXII. The World");
    EXPECT_TRUE(cardMeaning(22)->text.contains("World"));
}
