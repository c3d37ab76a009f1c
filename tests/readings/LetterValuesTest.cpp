#include "readings/LetterValues.h"

#include <gtest/gtest.h>

using namespace readings;

TEST(LetterValue, RunsThroughTheSpanishAlphabetThreeTimes) {
    const QString alphabet = QString::fromUtf8("abcdefghijklmnñopqrstuvwxyz");
    for (qsizetype i = 0; i < alphabet.size(); ++i) {
        EXPECT_EQ(letterValue(alphabet.at(i)), i % 9 + 1) << i;
    }
    const QString accented = QString::fromUtf8("áéíóú");
    const QString plain = "aeiou";
    for (qsizetype i = 0; i < accented.size(); ++i) {
        EXPECT_EQ(letterValue(accented.at(i)), letterValue(plain.at(i)));
    }
}

TEST(LetterValue, GivesNothingOutsideTheTable) {
    for (const QString& text : {QString::fromUtf8("üçàêÁA"), QString(" -'\t?1")}) {
        for (const QChar ch : text) {
            EXPECT_EQ(letterValue(ch), 0) << int(ch.unicode());
        }
    }
}

struct SumCase {
    const char* text; // UTF-8
    std::optional<runtime::Long> name;
    runtime::Long question;
};

class LetterSums : public testing::TestWithParam<SumCase> {};

TEST_P(LetterSums, OfNamesAndQuestions) {
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(nameLetterSum(text), GetParam().name);
    EXPECT_EQ(questionLetterSum(text), GetParam().question);
}

INSTANTIATE_TEST_SUITE_P(Examples, LetterSums,
                         testing::Values(SumCase{"Ana", 7, 7}, SumCase{"José Luis", 33, 33},
                                         SumCase{"MARÍA", 16, 16}, SumCase{"maría", 16, 16},
                                         SumCase{"¿Año 2016?", std::nullopt, 23},
                                         SumCase{"ÑAÑA", 14, 14}, SumCase{"Müller-Çelik", 35, 35},
                                         SumCase{"   ", 0, 0}, SumCase{"", 0, 0},
                                         SumCase{"Ana 0", std::nullopt, 7},
                                         SumCase{"9 de mayo", std::nullopt, 38}));

TEST(LetterSums, LongTextsPassTheIntegerRangeWithoutOverflow) {
    EXPECT_EQ(nameLetterSum(QString(5000, 'i')), 45000);
}

TEST(OnlyLettersMessage, ListsTheAlphabet) {
    EXPECT_EQ(onlyLettersMessage(),
              QString::fromUtf8("You must insert only latin international characters: \r\n"
                                "a,b,c,d,e,f,g,h,i,j,k,l,m,n,ñ,o,p,q,r,s,t,u,v,w,x,y,z\r\n"
                                "Thank you."));
}
