#include "cards/CardRules.h"

#include "runtime/ProgramFolder.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

#include <iterator>

using namespace readings;
using runtime::Integer;

TEST(DigitSum, CountsOnlyDigits) {
    EXPECT_DOUBLE_EQ(digitSum("24/07/2016"), 22.0);
    EXPECT_DOUBLE_EQ(digitSum("28/09/1999"), 47.0);
    EXPECT_DOUBLE_EQ(digitSum("7/24/2016"), 22.0); // the order of day and month does not matter
    EXPECT_DOUBLE_EQ(digitSum("24/07/16"), 20.0);  // a two-digit year does
    EXPECT_DOUBLE_EQ(digitSum("martes, 31 de diciembre de 2024"), 12.0);
    EXPECT_DOUBLE_EQ(digitSum("1.2-3 x"), 6.0);
    EXPECT_DOUBLE_EQ(digitSum(QString::fromUtf8("٣٤")), 0.0); // digits of other scripts: no value
    EXPECT_DOUBLE_EQ(digitSum(""), 0.0);
}

struct ReductionCase {
    Integer sum, major, minor;
};

class Reduction : public testing::TestWithParam<ReductionCase> {};

TEST_P(Reduction, SubtractsUntilACardIsLeft) {
    EXPECT_EQ(reduceMajorCard(GetParam().sum), GetParam().major);
    EXPECT_EQ(reduceMinorCard(GetParam().sum), GetParam().minor);
}

INSTANTIATE_TEST_SUITE_P(Sums, Reduction,
                         testing::Values(ReductionCase{1, 1, 1}, ReductionCase{14, 14, 14},
                                         ReductionCase{15, 15, 1}, ReductionCase{22, 22, 8},
                                         ReductionCase{23, 1, 9}, ReductionCase{28, 6, 14},
                                         ReductionCase{44, 22, 2}, ReductionCase{45, 1, 3},
                                         ReductionCase{66, 22, 10}, ReductionCase{0, 0, 0},
                                         ReductionCase{32767, 9, 7}));

TEST(CardOfDateText, ReducesTheDigitSum) {
    EXPECT_EQ(cardOfDateText("24/07/2016"), 22);
    EXPECT_EQ(cardOfDateText("28/09/1999"), 3);
    EXPECT_EQ(cardOfDateText("31/12/2024"), 15);
    EXPECT_EQ(cardOfDateText("//"), 0);
    EXPECT_EQ(cardOfDateText(QString(4000, '9')), 0); // beyond the Integer range: no card
}

TEST(ImagenesArcanos, NamesThePictureOfEachMajorCard) {
    const char* const names[] = {
        "mago1.jpg",          "sacerdotisa2.jpg", "emperatriz3.jpg", "emperador4.jpg",
        "sacerdote5.jpg",     "amantes6.jpg",     "carro7.jpg",      "justicia8.jpg",
        "ermita\u00F1o9.jpg", "fortuna10.jpg",    "fuerza11.jpg",    "colgado12.jpg",
        "muerte13.jpg",       "templanza14.jpg",  "diablo15.jpg",    "torre16.jpg",
        "estrella17.jpg",     "luna18.jpg",       "sol19.jpg",       "juicio20.jpg",
        "loco21.jpg",         "mundo22.jpg"};
    static_assert(std::size(names) == kMajorCards);
    for (Integer card = 1; card <= kMajorCards; ++card) {
        EXPECT_EQ(ImagenesArcanos(card), QString::fromUtf8(names[card - 1])) << card;
    }
    EXPECT_EQ(ImagenesArcanos(0), "");
    EXPECT_EQ(ImagenesArcanos(23), "");
}

TEST(DeckFolder, FollowsTheDeckCode) {
    EXPECT_EQ(deckFolder("marsellaone"), "\\imagenes\\");
    EXPECT_EQ(deckFolder("marsellaclass"), "\\imagenes2\\");
    EXPECT_EQ(deckFolder("oldones"), "\\imagenes3\\");
    EXPECT_EQ(deckFolder("Oldones"), "");
    EXPECT_EQ(deckFolder(""), "");
}

class CardPicture : public testing::Test {
protected:
    testing_support::TempProgramFolder folder;
};

TEST_F(CardPicture, LooksInTheChosenDeck) {
    folder.write("imagenes3/mundo22.jpg", "jpeg");
    EXPECT_EQ(cardPicturePath(22, "oldones"), folder.file("imagenes3/mundo22.jpg"));
    EXPECT_EQ(cardPicturePath(1, "marsellaclass"), folder.file("imagenes2/mago1.jpg"));
}

TEST_F(CardPicture, FindsTheFileWhateverItsLetterCase) {
    folder.write(QString::fromUtf8("Imagenes/ERMITAÑO9.JPG"), "jpeg");
    EXPECT_EQ(cardPicturePath(9, "marsellaone"),
              folder.file(QString::fromUtf8("Imagenes/ERMITAÑO9.JPG")));
}

TEST_F(CardPicture, AnUnknownDeckLooksInTheDefaultDeck) {
    EXPECT_EQ(cardPicturePath(5, "tarot"), folder.file("imagenes/sacerdote5.jpg"));
    EXPECT_EQ(cardPicturePath(5, ""), folder.file("imagenes/sacerdote5.jpg"));
}

TEST(CardPictureAtTheRoot, GetsNoDeckFolder) {
    runtime::setProgramFolder("/");
    EXPECT_EQ(cardPicturePath(22, "oldones"), "/mundo22.jpg");
    runtime::setProgramFolder(QString());
}
