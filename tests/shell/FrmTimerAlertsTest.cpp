#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "runtime/SystemFormats.h"
#include "shell/BioAlerts.h"
#include "shell/BioStudyDate.h"
#include "shell/FrmTimer.h"
#include "shell/Notif.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeSoundPlayer.h"
#include "support/TempProgramFolder.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace shell;

class AlertModes : public testing::Test {
protected:
    void SetUp() override {
        resetShellState();
        biorhythms::resetBioState();
        biorhythms::BioState& b = biorhythms::bioState();
        b.diaNac = 24;
        b.mesNac = 7;
        b.anioNac = 1970;
        Notif::setSlideDuration(0);
        shellState().nivelAlertas = "maxi";
    }
    void TearDown() override {
        setBioStudyDateSource(nullptr);
        forms::Forms::instance().reset();
        Notif::setSlideDuration(Notif::kDefaultSlideMs);
    }

    // Runs one check in a mode and tells whether a notice came up with its sound.
    bool runShows(bool atStart, bool requested = false) {
        dismiss();
        sounds.played.clear();
        timer.alInicio = atStart;
        shellState().alertaDesdeBio = requested;
        timer.alertasbio();
        timer.alInicio = false;
        const bool shown = shellState().notifVisible;
        EXPECT_EQ(sounds.played.size(), shown ? 1 : 0);
        return shown;
    }
    void dismiss() {
        if (Notif* notice = forms::Forms::instance().findForm<Notif>()) {
            notice->Image1_Click();
        }
    }

    FrmTimer timer;
    testing_support::TempProgramFolder folder;
    testing_support::FakeSoundPlayer sounds;
    testing_support::FakeClock clock{runtime::makeDateTime({2024, 3, 20, 10, 0, 0})};
};

TEST_F(AlertModes, AtStartShowsAndPeriodicRunsShowOnlyChanges) {
    EXPECT_TRUE(runShows(true));
    EXPECT_TRUE(sounds.played.first().endsWith("/Url.wav"));
    const QString key = shellState().ultimaAlerta;
    clock.advanceSeconds(30 * 60);
    EXPECT_FALSE(runShows(false)) << "same phases, critical and crossing texts";
    shellState().ultimaAlerta = "an older alert";
    EXPECT_TRUE(runShows(false));
    EXPECT_EQ(shellState().ultimaAlerta, key);
    EXPECT_TRUE(shellState().textoNotif.isEmpty()) << "emptied at the end of the run";
}

TEST_F(AlertModes, RequestsAlwaysShowAndKeepTheRepetitionKey) {
    shellState().ultimaAlerta = "kept";
    EXPECT_TRUE(runShows(false, true));
    EXPECT_TRUE(runShows(false, true));
    EXPECT_EQ(shellState().ultimaAlerta, "kept");
}

TEST_F(AlertModes, LevelNoneShowsOnlyOnRequest) {
    shellState().nivelAlertas = "zero";
    EXPECT_FALSE(runShows(true));
    EXPECT_FALSE(runShows(false));
    EXPECT_TRUE(runShows(false, true));
}

TEST_F(AlertModes, ARequestAtLevelNoneShowsWhatMaximumShows) {
    const auto requestedNotice = [this](const char* level) {
        shellState().nivelAlertas = level;
        EXPECT_TRUE(runShows(false, true)) << level;
        const auto* text = forms::Forms::instance().findForm<Notif>()->findChild<QLabel*>("mTexto");
        return text ? text->text() : QString();
    };
    clock.setDateTime(2024, 3, 21, 14, 0, 0); // the emotional cycle is critical
    const QString maxi = requestedNotice("maxi");
    EXPECT_TRUE(maxi.startsWith("Your emotional cycle enter in a critical period"))
        << maxi.toStdString();
    EXPECT_EQ(requestedNotice("zero"), maxi);
}

TEST_F(AlertModes, OnlyActualSituationNeverRepeatsPeriodically) {
    shellState().nivelAlertas = "solo";
    EXPECT_TRUE(runShows(true));
    shellState().ultimaAlerta = "an older alert";
    EXPECT_FALSE(runShows(false));
}

TEST_F(AlertModes, NothingWithoutABirthDate) {
    biorhythms::resetBioState();
    EXPECT_FALSE(runShows(true));
    EXPECT_FALSE(runShows(false, true));
}

TEST_F(AlertModes, RequestStudiesTheBiorhythmWindowsDate) {
    setBioStudyDateSource([] { return runtime::makeDate(2024, 4, 1); });
    runShows(false, true);
    EXPECT_EQ(biorhythms::bioState().fechaEstudioTxt, "1/4/2024");
    runShows(true);
    EXPECT_EQ(biorhythms::bioState().fechaEstudioTxt, "20/3/2024") << "other modes study today";
}

// Born 24/7/1970 at 9:05, the physical cycle is at its lowest about 15:30 on 5 January 2025:
// worked out by hand, its ascending phase is told from 14:59, when the value an hour later is
// higher, until 16:00, while the value an hour earlier is not lower.
TEST_F(AlertModes, APhaseIsToldFromTheValuesAnHourEarlierAndLaterWorkedOutByHand) {
    runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    biorhythms::bioState().horaNac = 9;
    biorhythms::bioState().minutoNac = 5;
    shellState().nivelAlertas = "bas1";
    const QString phase = QStringLiteral("Your physical cycle begins an ascending phase!\n") +
                          QString(45, QLatin1Char('-')) + QLatin1Char('\n');
    const std::pair<int, QString> minutes[] = {
        {14 * 60 + 58, "Physical: -100.00 % (falling)\nEmotional: 87.77 % (falling)\n"
                       "Intellectual: -95.83 % (falling)\nIntuitive: 58.41 % (falling)"},
        {14 * 60 + 59, phase + "Physical: -100.00 % (rising)\nEmotional: 87.75 % (falling)\n"
                               "Intellectual: -95.84 % (falling)\nIntuitive: 58.39 % (falling)"},
        {16 * 60, phase + "Physical: -100.00 % (rising)\nEmotional: 87.30 % (falling)\n"
                          "Intellectual: -96.06 % (falling)\nIntuitive: 57.83 % (falling)"},
        {16 * 60 + 1, "Physical: -100.00 % (rising)\nEmotional: 87.28 % (falling)\n"
                      "Intellectual: -96.07 % (falling)\nIntuitive: 57.81 % (falling)"},
    };
    for (const auto& [minute, text] : minutes) {
        clock.set(runtime::makeDateTime({2025, 1, 5, minute / 60, minute % 60, 0}));
        ASSERT_TRUE(runShows(true));
        const Notif* notice = forms::Forms::instance().findForm<Notif>();
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(notice->findChild<QLabel*>(QStringLiteral("mTexto"))->text(), text)
            << minute / 60 << ":" << minute % 60;
    }
}
