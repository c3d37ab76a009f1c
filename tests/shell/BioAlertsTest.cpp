#include "shell/BioAlerts.h"
#include "runtime/SystemFormats.h"

#include <gtest/gtest.h>

using namespace shell;

namespace {

const QString kCrLf = "\r\n";

// Values chosen so that no cycle changes phase, none is critical and no pair crosses.
AlertInputs quiet() {
    AlertInputs in;
    in.now = {0.5f, 0.6f, -0.7f, 0.8f};
    in.later = {0.6f, 0.7f, -0.8f, 0.9f};
    in.earlier = {0.4f, 0.5f, -0.6f, 0.7f};
    return in;
}

const QString kQuietValues = "Physical: 50.00 % (rising)\r\nEmotional: 60.00 % (rising)\r\n"
                             "Intellectual: -70.00 % (falling)\r\nIntuitive: 80.00 % (rising)";

const QString kPhysicalPassive = "Your physical cycle enter in a critical period and advance "
                                 "toward a passive phase, so take it easy!";

class BioAlerts : public testing::Test {
protected:
    void SetUp() override { runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

TEST_F(BioAlerts, SoloAndQuietLevelsShowOnlyTheValueLines) {
    for (const char* level : {"solo", "bas1", "bas2", "bas3", "med1", "med2", "med3", "maxi"}) {
        const AlertTexts t = composeAlert(quiet(), level);
        EXPECT_EQ(t.textoNotif, kQuietValues) << level;
        EXPECT_EQ(t.key, "") << level;
    }
}

TEST_F(BioAlerts, SoloNeverShowsAGroupEvenWhenSomethingHappens) {
    AlertInputs in = quiet();
    in.now[0] = 0.05f;
    in.later[0] = 0.01f;
    const AlertTexts t = composeAlert(in, "solo");
    EXPECT_TRUE(t.textoNotif.startsWith("Physical: 5.00 % (falling)"));
    EXPECT_EQ(t.key, kPhysicalPassive); // the critical text is in the key at every level
}

TEST_F(BioAlerts, PhaseChangeAtItsTurningPoint) {
    AlertInputs in = quiet();
    in.earlier[1] = 0.6f;  // emotional: n <= e and l > n
    in.earlier[2] = -0.7f; // intellectual: n >= e and l < n
    const AlertTexts t = composeAlert(in, "bas1");
    const QString phases = "Your emotional cycle begins an ascending phase!\r\n"
                           "Your intellectual cycle begins a descending phase!";
    EXPECT_EQ(t.fasesUnidas, phases);
    EXPECT_EQ(t.textoNotif, phases + kCrLf + kAlertSeparator + kCrLf + kQuietValues);
    EXPECT_EQ(t.key, phases);
    EXPECT_EQ(composeAlert(in, "bas2").key, "") << "levels that do not join leave phases out";
}

TEST_F(BioAlerts, CriticalBandIsStrictAndOnlyTheFirstCycleCounts) {
    AlertInputs in = quiet();
    in.now[0] = 0.1f;
    in.later[0] = 0.05f;
    EXPECT_EQ(composeAlert(in, "bas2").textoCritico, "");
    in.now[0] = -0.1f;
    EXPECT_EQ(composeAlert(in, "bas2").textoCritico, "");

    in.now[0] = 0.05f; // physical falling inside the band
    in.later[0] = 0.01f;
    in.now[1] = 0.02f; // emotional rising inside the band too
    in.later[1] = 0.04f;
    EXPECT_EQ(composeAlert(in, "bas2").textoCritico, kPhysicalPassive);

    in.later[0] = 0.05f; // equal: nothing, the search goes on to the emotional cycle
    EXPECT_EQ(composeAlert(in, "bas2").textoCritico,
              "Your emotional cycle enter in a critical period and advance toward an active "
              "phase, begin to put the direct!");
}

TEST_F(BioAlerts, Med1WithACriticalTextAndNoPhaseLeavesAnEmptyLine) {
    AlertInputs in = quiet();
    in.now[0] = 0.05f;
    in.later[0] = 0.01f;
    in.earlier[0] = 0.09f;
    const AlertTexts t = composeAlert(in, "med1");
    EXPECT_EQ(t.textoNotif.left(kPhysicalPassive.size() + 4 + 45),
              kPhysicalPassive + kCrLf + kCrLf + kAlertSeparator);
}

TEST_F(BioAlerts, FirstCrossingInTableOrderUpwardBeforeDownward) {
    AlertInputs in = quiet();
    // physical rises through emotional, which falls: physical to emotional upward.
    in.now[0] = 0.5f;
    in.later[0] = 0.6f;
    in.now[1] = 0.55f;
    in.later[1] = 0.45f;
    in.earlier[1] = 0.65f;
    // intellectual falls through intuitive, which rises: a later pair.
    in.now[2] = 0.3f;
    in.later[2] = 0.2f;
    in.now[3] = 0.25f;
    in.later[3] = 0.35f;
    const AlertTexts t = composeAlert(in, "maxi");
    EXPECT_EQ(t.textoCruce,
              "Crossing upward physical cycle to emotional, strength imposes over feelings!");
    EXPECT_TRUE(t.textoNotif.contains(t.textoCruce + kCrLf + kAlertSeparator + kCrLf));
}

TEST_F(BioAlerts, MaxiWithACrossingOnly) {
    AlertInputs in = quiet();
    in.now[2] = 0.7f; // intellectual falling through the rising intuitive
    in.later[2] = 0.6f;
    in.earlier[2] = 0.8f;
    in.now[3] = 0.65f;
    in.later[3] = 0.75f;
    in.earlier[3] = 0.55f;
    const AlertTexts t = composeAlert(in, "maxi");
    EXPECT_EQ(t.textoNotif.section(kCrLf, 0, 0),
              "Crossing downward intellectual cycle to intuitive, intuition will be an allied "
              "while intellect decreases!");
    EXPECT_EQ(t.textoNotif.section(kCrLf, 1, 1), kAlertSeparator);
}

TEST_F(BioAlerts, ValueLineFormat) {
    AlertInputs in = quiet();
    in.now[0] = -0.12345f;
    in.later[0] = -0.2f;
    EXPECT_TRUE(composeAlert(in, "solo").textoNotif.startsWith("Physical: -12.35 % (falling)\r\n"));
}

namespace {

// Every cycle rising far from the others and from zero: no phase, no critical cycle, no crossing.
AlertInputs allRising() {
    AlertInputs in;
    in.now = {-0.8f, -0.6f, 0.6f, 0.8f};
    for (int c = 0; c < kCycles; ++c) {
        in.later[c] = in.now[c] + 0.05f;
        in.earlier[c] = in.now[c] - 0.05f;
    }
    return in;
}

// Cycle c inside the critical band, falling (passive) or rising (active), changing no phase.
AlertInputs critical(int c, bool falling) {
    AlertInputs in = allRising();
    const float sign = falling ? 1.0f : -1.0f;
    in.now[c] = 0.05f * sign;
    in.later[c] = 0.01f * sign;
    in.earlier[c] = 0.09f * sign;
    return in;
}

// Cycle a passing cycle b upward (a rising, b falling) or downward (a falling, b rising).
AlertInputs crossing(int a, int b, bool upward) {
    AlertInputs in = allRising();
    if (upward) {
        in.now[a] = 0.5f, in.later[a] = 0.55f, in.earlier[a] = 0.45f;
        in.now[b] = 0.52f, in.later[b] = 0.45f, in.earlier[b] = 0.59f;
    } else {
        in.now[a] = 0.5f, in.later[a] = 0.45f, in.earlier[a] = 0.55f;
        in.now[b] = 0.48f, in.later[b] = 0.55f, in.earlier[b] = 0.41f;
    }
    return in;
}

// A critical physical cycle, physical passing emotional downward, and the emotional cycle
// turning upward: one of each group.
AlertInputs oneOfEach() {
    AlertInputs in = allRising();
    in.now[0] = 0.05f, in.later[0] = 0.01f, in.earlier[0] = 0.09f;
    in.now[1] = 0.04f, in.later[1] = 0.08f, in.earlier[1] = 0.04f;
    return in;
}

const QString kSeparatorLine = kCrLf + kAlertSeparator + kCrLf;

} // namespace

TEST_F(BioAlerts, EachCycleHasItsTwoCriticalTexts) {
    const char* const texts[kCycles][2] = {
        {"Your physical cycle enter in a critical period and advance toward a passive phase, so "
         "take it easy!",
         "Your physical cycle enter in a critical period and advance toward an active phase, with "
         "caution prepare for action!"},
        {"Your emotional cycle enter in a critical period and advance toward a passive phase, "
         "better forget of feelings!",
         "Your emotional cycle enter in a critical period and advance toward an active phase, "
         "begin to put the direct!"},
        {"Your intellectual cycle enter in a critical period and advance toward a passive phase, "
         "don't warm your head!",
         "Your intellectual cycle enter in a critical period and advance toward an active phase, "
         "mind begins to be in form!"},
        {"Your intuitive cycle enter in a critical period and advance toward a passive phase, the "
         "intuition won't be of great help!",
         "Your intuitive cycle enter in a critical period and advance toward an active phase, in "
         "case of doubt the intuition can help!"},
    };
    for (int c = 0; c < kCycles; ++c) {
        for (const bool falling : {true, false}) {
            const AlertTexts t = composeAlert(critical(c, falling), "bas2");
            const QString expected = texts[c][falling ? 0 : 1];
            EXPECT_EQ(t.textoCritico, expected) << c << (falling ? " passive" : " active");
            EXPECT_TRUE(t.textoNotif.startsWith(expected + kSeparatorLine)) << c;
            EXPECT_EQ(t.textoCruce, "") << c;
        }
    }
}

TEST_F(BioAlerts, EachPairHasItsTwoCrossingTexts) {
    struct Case {
        int a, b;
        const char* upward;
        const char* downward;
    };
    const Case cases[] = {
        {0, 1, "Crossing upward physical cycle to emotional, strength imposes over feelings!",
         "Crossing downward physical cycle to emotional, feelings emerge while strength "
         "decreases!"},
        {0, 2, "Crossing upward physical cycle to intellectual, the brute force imposes over mind!",
         "Crossing downward physical cycle to intellectual, mind imposes over strength!"},
        {0, 3, "Crossing upward physical cycle to intuitive, the brute force overcomes intuition!",
         "Crossing downward physical cycle to intuitive, intuition will be an allied while "
         "strength decreases!"},
        {1, 2, "Crossing upward emotional cycle to intellectual, feelings emerge over mind!",
         "Crossing downward emotional cycle to intellectual, mind overcomes feelings!"},
        {1, 3, "Crossing upward emotional cycle to intuitive, feelings emerge over intuition!",
         "Crossing downward emotional cycle to intuitive, intuition overcomes feelings!"},
        {2, 3, "Crossing upward intellectual cycle to intuitive, mind emerges over intuition!",
         "Crossing downward intellectual cycle to intuitive, intuition will be an allied while "
         "intellect decreases!"},
    };
    for (const Case& c : cases) {
        for (const bool upward : {true, false}) {
            const AlertTexts t = composeAlert(crossing(c.a, c.b, upward), "bas3");
            const QString expected = upward ? c.upward : c.downward;
            EXPECT_EQ(t.textoCruce, expected);
            EXPECT_EQ(t.textoCritico, "") << expected.toStdString();
            EXPECT_EQ(t.fasesUnidas, "") << expected.toStdString();
            EXPECT_TRUE(t.textoNotif.startsWith(expected + kSeparatorLine));
        }
    }
}

TEST_F(BioAlerts, CrossingLevelsBuildTheirGroupsInTheirOrder) {
    const QString critico = composeAlert(oneOfEach(), "bas2").textoCritico;
    const QString cruce = composeAlert(oneOfEach(), "bas3").textoCruce;
    const QString fase = "Your emotional cycle begins an ascending phase!";
    ASSERT_EQ(critico, kPhysicalPassive);
    ASSERT_EQ(cruce, "Crossing downward physical cycle to emotional, feelings emerge while "
                     "strength decreases!");
    const AlertInputs criticalOnly = critical(0, true);
    const AlertInputs crossingOnly = crossing(1, 2, true);
    const QString cruceOnly = composeAlert(crossingOnly, "bas3").textoCruce;
    AlertInputs phaseOnly = allRising();
    phaseOnly.earlier[1] = phaseOnly.now[1]; // the emotional cycle turns upward, nothing else

    struct Case {
        const char* level;
        AlertInputs in;
        QString groups; // what comes before the separator; none: the value lines alone
        QString key;
    };
    const Case cases[] = {
        // The crossing alone; nothing else.
        {"bas3", oneOfEach(), cruce, critico + cruce},
        {"bas3", criticalOnly, QString(), critico},
        // The critical text, then the crossing; without a crossing a line break ends the group.
        {"med2", oneOfEach(), critico + kCrLf + cruce, critico + cruce},
        {"med2", criticalOnly, critico + kCrLf, critico},
        {"med2", crossingOnly, cruceOnly, cruceOnly},
        // The crossing, then the phases; without a crossing the phases alone.
        {"med3", oneOfEach(), cruce + kCrLf + fase, fase + critico + cruce},
        {"med3", crossingOnly, cruceOnly + kCrLf, cruceOnly},
        {"med3", phaseOnly, fase, fase},
    };
    for (const Case& c : cases) {
        const QString values = composeAlert(c.in, "solo").textoNotif;
        const QString expected = c.groups.isEmpty() ? values : c.groups + kSeparatorLine + values;
        const AlertTexts t = composeAlert(c.in, c.level);
        EXPECT_EQ(t.textoNotif, expected) << c.level << " " << c.groups.toStdString();
        EXPECT_EQ(t.key, c.key) << c.level << " " << c.groups.toStdString();
    }
}

TEST_F(BioAlerts, ARequestAtLevelNoneHoldsEveryGroupLikeMaximum) {
    const AlertTexts zero = composeAlert(oneOfEach(), "zero");
    const AlertTexts maxi = composeAlert(oneOfEach(), "maxi");
    EXPECT_EQ(zero.textoNotif, maxi.textoNotif);
    EXPECT_EQ(zero.key, maxi.key);
    const QStringList lines = zero.textoNotif.split(kCrLf);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], "Your emotional cycle begins an ascending phase!");
    EXPECT_TRUE(lines[1].startsWith("Your physical cycle enter in a critical period"));
    EXPECT_TRUE(lines[2].startsWith("Crossing downward physical cycle to emotional"));
    EXPECT_EQ(lines[3], kAlertSeparator);
    EXPECT_EQ(lines[4], "Physical: 5.00 % (falling)");
    EXPECT_EQ(lines[5], "Emotional: 4.00 % (rising)");
}
