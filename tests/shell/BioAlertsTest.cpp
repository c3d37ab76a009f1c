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
