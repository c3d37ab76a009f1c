#include "shell/SharedTables.h"
#include "biorule/BioState.h"
#include "runtime/SystemFormats.h"
#include "shell/ShellState.h"
#include "support/CardTitles.h"

#include <gtest/gtest.h>

using namespace shell;

TEST(TituloCarta, FillsOnlyTheEntryOfTheCurrentCard) {
    resetShellState();
    ShellState& s = shellState();
    EXPECT_EQ(s.TitulosCartas[4], "");
    s.numCarta = 5;
    tituloCarta();
    EXPECT_EQ(s.TitulosCartas[4], "V. The Hierophant");
    EXPECT_EQ(s.TitulosCartas[3], "");
    s.numCarta = 23;
    tituloCarta();
    s.numCarta = 0;
    tituloCarta();
    EXPECT_EQ(s.TitulosCartas[21], "");
    EXPECT_EQ(cardTitle(21), "XXI. The Fool");
    EXPECT_EQ(cardTitle(22), "XXII. The World");
    EXPECT_EQ(cardTitle(1), "I. The Magician");
}

TEST(TituloCarta, EveryCardHasItsTitle) {
    resetShellState();
    ShellState& s = shellState();
    for (int card = 1; card <= 22; ++card) {
        s.numCarta = static_cast<runtime::Integer>(card);
        tituloCarta();
        EXPECT_EQ(s.TitulosCartas[card - 1], testing_support::kCardTitles[card - 1]) << card;
    }
}

TEST(SignTables, SpanishStemsAndEnglishNamesShareTheIndex) {
    cargarSignosEs();
    cargarSignosEn();
    const ShellState& s = shellState();
    EXPECT_EQ(s.signosEs[7], "Escorpio");
    EXPECT_EQ(s.signosEn[7], "Scorpio");
    EXPECT_EQ(s.signosEs[0], "Aries");
    EXPECT_EQ(s.signosEn[11], "Pisces");
    EXPECT_EQ(s.signosEs[2], "Geminis");
}

TEST(DayQuality, BandsAtTheirEdges) {
    const std::pair<double, const char*> cases[] = {
        {-100.0, "(negative: dreadful day)"},
        {-80.01, "(negative: dreadful day)"},
        {-80.0, "(negative: super bad day)"},
        {-60.0, "(negative: very bad day)"},
        {-40.0, "(negative: bad day)"},
        {-20.0, "(negative: regular or critical day)"},
        {-0.01, "(negative: regular or critical day)"},
        {0.0, "(positive: regular or critical day)"},
        {20.0, "(positive: good day)"},
        {40.0, "(positive: very good day)"},
        {60.0, "(positive: very good day)"},
        {60.01, "(positive: super good day)"},
        {80.0, "(positive: super good day)"},
        {80.01, "(positive: excellent day)"},
        {100.0, "(positive: excellent day)"},
    };
    for (const auto& [v, text] : cases) {
        EXPECT_EQ(dayQualityBand(v), QString::fromLatin1(text)) << v;
    }
    EXPECT_FALSE(dayQualityBand(100.01).has_value());
    EXPECT_FALSE(dayQualityBand(-100.01).has_value());
}

// The one average of the program: the Biorhythms and Card of the Day windows show it.
TEST(CalidadBio, IsTheMeanOfTheFourCyclesTimesAHundredWithTwoDecimals) {
    struct Case {
        float physical, emotional, intellectual, intuitive;
        const char* media;
        const char* band;
    };
    const Case cases[] = {
        {0.0F, 0.0F, 0.0F, 0.0F, "0.00", "(positive: regular or critical day)"},
        {1.0F, 1.0F, 1.0F, 1.0F, "100.00", "(positive: excellent day)"},
        {-1.0F, -1.0F, -1.0F, -1.0F, "-100.00", "(negative: dreadful day)"},
        // 15.625: the half rounds away from zero on both sides.
        {0.5F, 0.25F, -0.125F, 0.0F, "15.63", "(positive: regular or critical day)"},
        {-0.5F, -0.25F, 0.125F, 0.0F, "-15.63", "(negative: regular or critical day)"},
        // Each cycle counts with its own value, not only the first.
        {0.0F, 0.0F, 0.0F, 0.8F, "20.00", "(positive: good day)"},
        {0.0F, 0.0F, -0.8F, 0.0F, "-20.00", "(negative: regular or critical day)"},
    };
    runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    biorhythms::BioState& b = biorhythms::bioState();
    for (const Case& c : cases) {
        b.bioFisico = c.physical;
        b.bioEmocional = c.emotional;
        b.bioIntelectual = c.intellectual;
        b.bioIntuicion = c.intuitive;
        calidadBio();
        EXPECT_EQ(b.bioMedia, c.media);
        EXPECT_EQ(b.bioMediaTexto, c.band) << c.media;
    }
    runtime::setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    b.bioFisico = 0.5F;
    b.bioEmocional = 0.25F;
    b.bioIntelectual = -0.125F;
    b.bioIntuicion = 0.0F;
    calidadBio();
    EXPECT_EQ(b.bioMedia, "15,63") << "the locale's decimal separator";
    runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST(CalidadBio, BandIsChosenOnTheTwoDecimalTextThatIsShown) {
    runtime::setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    biorhythms::BioState& b = biorhythms::bioState();
    b.bioFisico = b.bioEmocional = b.bioIntelectual = 0.59996F; // 59.996 shows as 60,00
    b.bioIntuicion = 0.59996F;
    calidadBio();
    EXPECT_EQ(b.bioMedia, "60,00");
    EXPECT_EQ(b.bioMediaTexto, "(positive: very good day)");

    b.bioFisico = -1.0F;
    b.bioEmocional = b.bioIntelectual = b.bioIntuicion = -0.6F;
    calidadBio();
    EXPECT_EQ(b.bioMedia, "-70,00");
    EXPECT_EQ(b.bioMediaTexto, "(negative: super bad day)");
    runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}
