#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "runtime/SystemFormats.h"
#include "shell/FrmTimer.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeTimeZone.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

using namespace shell;
using testing_support::FakeClock;

TEST(MoonTipLine, NewFullAndIlluminatedTexts) {
    runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case {
        double illumination;
        float angle;
        const char* line;
    } const cases[] = {
        {0.003, 10.0F, "Moon Phase: NEW (=)"},
        {0.996, 170.0F, "Moon Phase: FULL (=)"},
        {0.37412, 75.0F, "Moon Phase(illum.): 37.41 % (>)"},
        {0.45678, 250.0F, "Moon Phase(illum.): 45.68 % (<)"},
        {0.998, 185.0F, "Moon Phase: FULL (=)"},          // waning, 100 - 99.8 rounds to 0
        {0.004, 350.0F, "Moon Phase: NEW (=)"},           // waning, 100 - 0.4 rounds to 100
        {0.5, 179.0F, "Moon Phase(illum.): 50.00 % (<)"}, // half angle 90 counts as waning
    };
    for (const Case& c : cases) {
        EXPECT_EQ(moonTipLine(c.illumination, c.angle), c.line) << c.illumination;
    }
}

TEST(Porcentaje, GuardsItsEdges) {
    EXPECT_EQ(FrmTimer::Porcentaje(101, 100), -1.0F);
    EXPECT_EQ(FrmTimer::Porcentaje(0, 100), 0.0F);
    EXPECT_EQ(FrmTimer::Porcentaje(37, 100), 37.0F);
}

class TooltipLines : public testing::Test {
protected:
    void SetUp() override {
        resetShellState();
        biorhythms::resetBioState();
        runtime::setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    }
    void TearDown() override {
        forms::Forms::instance().reset();
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    // The background window without its load (no start window, no alerts).
    FrmTimer timer;
    testing_support::TempProgramFolder folder;
    testing_support::FakeTimeZone utc{0, 0, 0};
    FakeClock clock{runtime::makeDateTime({2024, 12, 31, 10, 0, 0})};
};

TEST_F(TooltipLines, CardOfTheDayIsBuiltOncePerDay) {
    timer.tipcartadia(); // 31/12/2024 sums to 15
    EXPECT_EQ(shellState().lineaCartaDia, "Card of Day: XV. The Devil");
    EXPECT_EQ(shellState().numCarta, 15);
    shellState().lineaCartaDia = "kept";
    timer.tipcartadia();
    EXPECT_EQ(shellState().lineaCartaDia, "kept");
    clock.advanceDays(1); // 1/1/2025 sums to 11
    timer.tipcartadia();
    EXPECT_EQ(shellState().lineaCartaDia, "Card of Day: XI. Strength");
}

// Locales that write their own digits read the same card as any other.
TEST_F(TooltipLines, CardLineIsTheSameInLocalesWithTheirOwnDigits) {
    const std::pair<runtime::DateValue, const char*> days[] = {
        {runtime::makeDate(2016, 7, 24), "Card of Day: XXII. The World"},
        {runtime::makeDate(2024, 12, 31), "Card of Day: XV. The Devil"},
        {runtime::makeDate(1999, 9, 28), "Card of Day: III. The Empress"},
    };
    for (const char* locale : {"en_US", "ar_EG", "fa_IR", "bn_BD"}) {
        runtime::setLocale(QLocale(QString::fromLatin1(locale)));
        for (const auto& [day, line] : days) {
            clock.set(runtime::addDays(day, 0.5));
            timer.tipcartadia();
            EXPECT_EQ(shellState().lineaCartaDia, line) << locale;
        }
    }
}

TEST_F(TooltipLines, SumcartdiaReturnsTheUnreducedSum) {
    EXPECT_EQ(timer.sumcartdia("28/09/1999"), 47);
    EXPECT_EQ(timer.tituloTip, "III. The Empress");
    EXPECT_EQ(shellState().numCarta, 3);
}

TEST_F(TooltipLines, SignFromThePeriodFilesMarksAChangeToday) {
    folder.write("fechas-db/capricornio.txt", "2024/12/21 09:20:00 - 2025/01/19 20:00:00\r\n");
    timer.tipsignzodiac();
    EXPECT_EQ(shellState().lineaSigno, "Zodiac Sign: Capricorn");

    clock.set(runtime::makeDateTime({2024, 12, 21, 12, 0, 0}));
    timer.tipsignzodiac();
    EXPECT_EQ(shellState().lineaSigno, "Zodiac Sign: Capricorn (<=>)");
}

TEST_F(TooltipLines, WithoutPeriodsTheFixedTableDecides) {
    clock.set(runtime::makeDateTime({2024, 12, 21, 12, 0, 0}));
    timer.tipsignzodiac();
    EXPECT_EQ(shellState().lineaSigno, "Zodiac Sign: Sagittarius");
    clock.set(runtime::makeDateTime({2024, 12, 22, 0, 0, 0}));
    timer.tipsignzodiac();
    EXPECT_EQ(shellState().lineaSigno, "Zodiac Sign: Capricorn");
}

TEST_F(TooltipLines, BiorhythmLineNeedsABirthDate) {
    shellState().lineaBio = "old";
    timer.biotip();
    EXPECT_EQ(shellState().lineaBio, "old");

    folder.write("bio.dat", "24,7,1970\r\n");
    biorhythms::bioState().horaNac = 9;
    biorhythms::bioState().minutoNac = 5;
    timer.biotip();
    const biorhythms::BioState& b = biorhythms::bioState();
    const float now = (b.bioFisico + b.bioEmocional + b.bioIntelectual + b.bioIntuicion) / 4;
    const float later =
        (b.bioFisicoProx + b.bioEmocionalProx + b.bioIntelectualProx + b.bioIntuicionProx) / 4;
    const QString mark = later < now ? " % (<)" : later == now ? " % (=)" : " % (>)";
    EXPECT_EQ(shellState().lineaBio,
              "Biorhythms (avg.): " + runtime::formatNumber(now * 100, "0.00") + mark);
    EXPECT_EQ(b.fechaNacTxt, "24/7/1970");
    EXPECT_EQ(b.fechaEstudioTxt, "31/12/2024");
}

// Worked out by hand from the rule: t (a Single) counts the days lived at the clock's minute, each
// cycle is sin(6.28318 t / P) as a Single, and the mark compares the mean an hour later.
TEST_F(TooltipLines, BiorhythmLineHoldsTheAverageWorkedOutByHand) {
    struct Case {
        const char* birth;
        int hour, minute;
        runtime::DateParts now;
        float lived;
        const char* line;
    };
    const Case cases[] = {
        {"24,7,1970",
         9,
         5,
         {2024, 12, 31, 10, 0, 0},
         19884.037109375F,
         "Biorhythms (avg.): 33,85 % (<)"},
        {"29,2,1980",
         23,
         59,
         {2016, 7, 24, 18, 0, 0},
         13294.7509765625F,
         "Biorhythms (avg.): -55,33 % (>)"},
        {"1,1,2000", 6, 0, {2000, 1, 2, 18, 0, 0}, 1.5F, "Biorhythms (avg.): 31,40 % (>)"},
        // 27518.9993 days is the Single 27519.
        {"5,11,1955", 0, 0, {2031, 3, 9, 23, 59, 0}, 27519.0F, "Biorhythms (avg.): -9,77 % (>)"},
    };
    biorhythms::BioState& b = biorhythms::bioState();
    for (const Case& c : cases) {
        folder.write("bio.dat", QByteArray(c.birth) + "\r\n");
        b.horaNac = c.hour;
        b.minutoNac = c.minute;
        clock.set(runtime::makeDateTime(c.now));
        timer.biotip();
        EXPECT_EQ(b.diasVividos, c.lived) << c.birth;
        EXPECT_EQ(shellState().lineaBio, c.line) << c.birth;
    }
}
