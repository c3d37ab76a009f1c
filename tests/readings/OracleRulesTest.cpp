#include "readings/OracleMusic.h"
#include "readings/OracleReadings.h"
#include "readings/OracleTexts.h"
#include "readings/ReadingsState.h"
#include "runtime/ProgramFolder.h"
#include "support/FakeMusicPlayer.h"
#include "support/TempProgramFolder.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace readings;

TEST(OracleCards, MinorPicturesAndTextsFollowTheSuitAndTheCourt) {
    struct Case {
        Suit suit;
        runtime::Integer card;
        const char* picture;
    };
    const Case cases[] = {
        {Suit::Swords, 1, "1espadas.jpg"},
        {Suit::Wands, 10, "10bastos.jpg"},
        {Suit::Cups, 11, "sota-copas.jpg"},
        {Suit::Coins, 12, "caballo-oros.jpg"},
        {Suit::Swords, 13, "reina-espadas.jpg"},
        {Suit::Wands, 14, "rey-bastos.jpg"},
        {Suit::Coins, 0, ""},
        {Suit::Cups, 15, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(minorCardPicture(c.suit, c.card), c.picture) << c.card;
        QString text = QString::fromLatin1(c.picture);
        text.replace(".jpg", ".txt");
        EXPECT_EQ(minorCardTextFile(c.suit, c.card), text) << c.card;
    }
    EXPECT_EQ(suitLogWord(Suit::Wands), "batons");
    EXPECT_EQ(suitLogWord(Suit::Coins), "golds");
}

TEST(OracleCards, MajorTextsDifferFromThePicturesOnlyForTheLovers) {
    EXPECT_EQ(majorCardTextFile(1), "mago1.txt");
    EXPECT_EQ(majorCardTextFile(6), "enamorados6.txt");
    EXPECT_EQ(majorCardTextFile(9), QString::fromUtf8("ermitaño9.txt"));
    EXPECT_EQ(majorCardTextFile(22), "mundo22.txt");
    EXPECT_EQ(majorCardTextFile(0), "");
    EXPECT_EQ(majorCardTextFile(23), "");
}

TEST(OracleCards, ReductionByRepeatedSubtraction) {
    const std::tuple<runtime::Long, runtime::Integer, runtime::Integer> cases[] = {
        {14, 14, 14}, {15, 14, 1},  {28, 14, 14}, {29, 14, 1},     {22, 22, 22},
        {23, 22, 1},  {44, 22, 22}, {1, 14, 1},   {294903, 14, 7}, {40000, 22, 4},
    };
    for (const auto& [sum, cards, card] : cases) {
        EXPECT_EQ(reduceOracleCard(sum, cards), card) << sum << " by " << cards;
    }
}

TEST(OracleCards, DateSumCountsTheDigitsOfTheFirstTenCharacters) {
    const std::pair<const char*, runtime::Long> cases[] = {
        {"7/24/2016", 22}, {"24/07/2016", 22}, {"", 0}, {"12/31/1999", 35}, {"2016-07-241", 22},
    };
    for (const auto& [text, sum] : cases) {
        EXPECT_EQ(dateDigitSum(QString::fromLatin1(text)), sum) << text;
    }
}

TEST(OracleCards, TiradaAllowsReversedCardsUnlessObjectiveOrEmpty) {
    EXPECT_FALSE(tiradaAllowsReversed(""));
    EXPECT_FALSE(tiradaAllowsReversed("objetiva"));
    EXPECT_TRUE(tiradaAllowsReversed("real"));
    EXPECT_TRUE(tiradaAllowsReversed("Objetiva")) << "compared with its case";
    EXPECT_TRUE(tiradaAllowsReversed("x"));
}

TEST(OracleCards, OrientationIsReversedForTheUpperHalf) {
    const std::pair<double, runtime::Single> cases[] = {
        {0.0, kUpright}, {0.4999, kUpright}, {0.5, kReversed}, {0.9999, kReversed}};
    for (const auto& [r, orientation] : cases) {
        setUniformSource([r = r] { return r; });
        EXPECT_EQ(drawOrientation(), orientation) << r;
    }
    setUniformSource({});
    bool seen[2] = {false, false};
    for (int i = 0; i < 200; ++i) {
        seen[drawOrientation() == kReversed] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1]) << "chance gives both orientations";
}

TEST(OracleTexts, ReadWholeWithTheirLineBreaksOrEmpty) {
    testing_support::TempProgramFolder folder;
    folder.write("mtextos/rey-oros.txt", "King of coins\r\nsecond line \xe9\r\n");
    folder.write("textos/enamorados6.txt", "");
    EXPECT_EQ(readCardText(minorCardTextPath(Suit::Coins, 14)),
              QString::fromUtf8("King of coins\nsecond line é\n"));
    EXPECT_EQ(readCardText(majorCardTextPath(6)), "");
    EXPECT_EQ(readCardText(majorCardTextPath(7)), "") << "a missing text shows nothing";
}

class OracleMusicTest : public testing::Test {
protected:
    void SetUp() override { resetReadingsState(); }
    void TearDown() override { resetReadingsState(); }

    // A tune file of the program folder.
    QString tune(const QString& name) const {
        folder.write(name, "MThd");
        return folder.file(name);
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeMusicPlayer music;
    QTimer timerMidi;
    const MusicPause goOn = [] { return true; };
};

TEST_F(OracleMusicTest, SettingsChooseWhetherAndWhatToPlay) {
    EXPECT_TRUE(musicIsOn(""));
    EXPECT_TRUE(musicIsOn("syp"));
    EXPECT_FALSE(musicIsOn("nop"));
    EXPECT_FALSE(musicIsOn("Syp"));
    EXPECT_EQ(tuneToPlay(""), folder.path() + "/ambiente.mid");
    EXPECT_EQ(tuneToPlay("/tmp/other.mid"), "/tmp/other.mid");
}

TEST_F(OracleMusicTest, PlayingClosesTheOldTuneAndStartsTheTimer) {
    const QString a = tune("a.mid");
    const QString b = tune("b.mid");
    tocarMidi(a, timerMidi, goOn);
    EXPECT_EQ(readingsState().midiId, 1);
    EXPECT_TRUE(timerMidi.isActive());
    tocarMidi(b, timerMidi, goOn);
    EXPECT_EQ(music.commands,
              QStringList({"open " + a, "play 1", "close 1", "open " + b, "play 2"}));
    EXPECT_EQ(music.playing(), b);
    pararMidi(timerMidi);
    EXPECT_EQ(music.commands.last(), "close all");
    EXPECT_EQ(readingsState().midiId, 0);
    EXPECT_FALSE(timerMidi.isActive());
}

TEST_F(OracleMusicTest, ATuneWhoseWindowWentInThePauseIsClosedUnplayed) {
    const QString a = tune("a.mid");
    const QString b = tune("b.mid");
    EXPECT_TRUE(tocarMidi(a, timerMidi, goOn));
    EXPECT_FALSE(tocarMidi(b, timerMidi, [] { return false; }));
    EXPECT_EQ(music.commands,
              QStringList({"open " + a, "play 1", "close 1", "open " + b, "close 2"}));
    EXPECT_EQ(music.playing(), "");
    EXPECT_EQ(readingsState().midiId, 0);
}

TEST_F(OracleMusicTest, ATuneAtItsEndStartsAgainFromItsStart) {
    const QString a = tune("a.mid");
    tocarMidi(a, timerMidi, goOn);
    restartTuneAtEnd();
    EXPECT_EQ(music.commands.size(), 2) << "a playing tune is left alone";
    music.reachEnd(1);
    restartTuneAtEnd();
    EXPECT_EQ(music.commands.mid(2), QStringList({"seek 1", "play 1"}));
    EXPECT_EQ(music.playing(), a);
}

TEST_F(OracleMusicTest, AMissingOrUnplayableTuneLeavesNothingToRestart) {
    const QString broken = tune("broken.mid");
    music.unplayable << broken;
    for (const QString& path : {broken, folder.file("missing.mid")}) {
        music.commands.clear();
        tocarMidi(path, timerMidi, goOn);
        EXPECT_EQ(readingsState().midiId, 0) << path.toStdString();
        EXPECT_TRUE(timerMidi.isActive());
        restartTuneAtEnd();
        EXPECT_EQ(music.commands, QStringList({"open " + path, "play 0"}));
        EXPECT_EQ(music.playing(), "");
    }
}

TEST_F(OracleMusicTest, StoppingAtUnloadClosesTheTuneForGood) {
    tocarMidi(tune("a.mid"), timerMidi, goOn);
    stopTuneAtUnload();
    EXPECT_EQ(music.commands.mid(2), QStringList({"stop 1", "close 1"}));
    EXPECT_EQ(readingsState().midiId, 1) << "the identifier stays";
    restartTuneAtEnd();
    EXPECT_EQ(music.commands.size(), 4) << "a closed tune does not come back";
    EXPECT_EQ(music.playing(), "");
}
