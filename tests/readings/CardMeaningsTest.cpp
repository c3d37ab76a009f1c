#include "readings/CardMeanings.h"

#include "runtime/Ansi.h"

#include <gtest/gtest.h>

using readings::cardMeaning;
using runtime::Integer;

namespace {

const char* const kTitles[] = {
    "I. The Magician",   "II. The High Priestess", "III. The Empress", "IV. The Emperor",
    "V. The Hierophant", "VI. The Lovers",         "VII. The Chariot", "VIII. Justice",
    "IX. The Hermit",    "X. Wheel of Fortune",    "XI. Strength",     "XII. The Hanged Man",
    "XIII. Death",       "XIV. Temperance",        "XV. The Devil",    "XVI. The Tower",
    "XVII. The Star",    "XVIII. The Moon",        "XIX. The Sun",     "XX. Judgment",
    "XXI. The Fool",     "XXII. The World"};

} // namespace

class CardMeaningOf : public testing::TestWithParam<Integer> {};

TEST_P(CardMeaningOf, IsOneParagraphUnderTheCardsTitle) {
    const Integer card = GetParam();
    const auto meaning = cardMeaning(card);
    ASSERT_TRUE(meaning.has_value());
    EXPECT_EQ(meaning->title, QString::fromUtf8(kTitles[card - 1]));
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
