#include "shell/Settings.h"
#include "shell/SettingCodes.h"
#include "shell/ShellState.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

using namespace shell;

TEST(CodigoNivel, MapsEveryListTextExactly) {
    const std::pair<const char*, const char*> cases[] = {
        {"None", "zero"},
        {"Only actual situation", "solo"},
        {"Basic (change of phase + actual s.)", "bas1"},
        {"Basic (critical days + actual s.)", "bas2"},
        {"Basic (Crossings between cycles + actual s.)", "bas3"},
        {"Medium (change of phase + critical  + actual s.)", "med1"},
        {"Medium (critical + Crossings + actual s.)", "med2"},
        {"Medium (change of phase + Crossings + actual s.)", "med3"},
        {"Maximum (c. phase + critical + Crossings + actual s.)", "maxi"},
        {"", "maxi"},
        {"none", "maxi"},
        {"Medium (change of phase + critical + actual s.)", "maxi"}, // one blank is not the text
    };
    for (const auto& [text, code] : cases) {
        EXPECT_EQ(CodigoNivel(QString::fromLatin1(text)), code) << text;
    }
}

TEST(SettingCodes, MinimiseDeckAndStartWindow) {
    EXPECT_EQ(modoMinimizarCode(""), "systray");
    EXPECT_EQ(modoMinimizarCode("systray"), "systray");
    EXPECT_EQ(modoMinimizarCode("Systray"), "toolbar");
    EXPECT_EQ(modoMinimizarCode("toolbar"), "toolbar");

    EXPECT_EQ(tipoCartaCode("", ""), "marsellaone");
    EXPECT_EQ(tipoCartaCode("marsellaone", "oldones"), "marsellaone");
    EXPECT_EQ(tipoCartaCode("oldones", ""), "oldones");
    EXPECT_EQ(tipoCartaCode("marsellaclass", ""), "marsellaclass");
    EXPECT_EQ(tipoCartaCode("tarot", ""), "");
    EXPECT_EQ(tipoCartaCode("tarot", "oldones"), "oldones");

    EXPECT_EQ(startWindowName("The Card of Day..."), "FrmCartaDia");
    EXPECT_EQ(startWindowName("Another Day..."), "FrmCalendar");
    EXPECT_EQ(startWindowName("Oracle"), "Frmoracle");
    EXPECT_EQ(startWindowName("Names"), "FrmName");
    EXPECT_EQ(startWindowName("Numbers"), "frmVelarcana");
    EXPECT_EQ(startWindowName("Biorhythms"), "frmBio");
    EXPECT_EQ(startWindowName(""), "FrmCartaDia");
    EXPECT_EQ(startWindowName("oracle"), "FrmCartaDia");
}

class SettingsReaders : public testing::Test {
protected:
    void SetUp() override { resetShellState(); }
    testing_support::TempProgramFolder folder;
};

TEST_F(SettingsReaders, EachReaderKeepsTheRawTextInItsOwnValue) {
    ASSERT_TRUE(writeOption("Nivel Alertas", "None "));
    ASSERT_TRUE(writeOption("Background Sound", "SiBgSound"));
    EXPECT_EQ(readOption(LeerNivelAlertas, "Nivel Alertas"), "None");
    EXPECT_EQ(shellState().nivelAlertasIni, "None");
    EXPECT_EQ(readOption(LeerBackgroundSound, "Background Sound"), "SiBgSound");
    EXPECT_EQ(shellState().bgSound, "SiBgSound");
    EXPECT_EQ(shellState().nivelAlertasIni, "None");
}

TEST_F(SettingsReaders, GenericReaderSetsAllFiveValues) {
    ASSERT_TRUE(writeOption("LogResNames", "yes"));
    EXPECT_EQ(LeerValorIni("opciones", "LogResNames", settingsFile()), "yes");
    const ShellState& s = shellState();
    for (const QString& v : {s.iniSoundAmbient, s.iniLogResOracle, s.iniSongAmbient,
                             s.iniLogResNumbers, s.iniLogResNames}) {
        EXPECT_EQ(v, "yes");
    }
}
