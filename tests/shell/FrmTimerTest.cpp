#include "shell/FrmTimer.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "shell/Settings.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

using namespace shell;
using testing_support::FakeClock;

namespace {

// Stands in for a start window and records that it was loaded.
class RecordingForm : public forms::Form {
public:
    explicit RecordingForm(const QString& name) : forms::Form(name) {}
};

} // namespace

class FrmTimerTest : public testing::Test {
protected:
    void SetUp() override {
        resetShellState();
        biorhythms::resetBioState();
        for (const char* name :
             {"FrmCartaDia", "FrmCalendar", "Frmoracle", "FrmName", "frmVelarcana", "frmBio"}) {
            const QString n = QString::fromLatin1(name);
            forms::Forms::instance().registerFactory(n, [n] { return new RecordingForm(n); });
        }
    }
    void TearDown() override { forms::Forms::instance().reset(); }

    FrmTimer& load() { return *forms::Forms::instance().get<FrmTimer>(); }
    QStringList loadedNames() const {
        QStringList names;
        for (const forms::Form* f : forms::Forms::instance().loaded()) {
            names << f->formName();
        }
        return names;
    }

    testing_support::TempProgramFolder folder;
    FakeClock clock{runtime::makeDateTime({2024, 3, 20, 23, 59, 50})};
};

TEST_F(FrmTimerTest, WithNoSettingsFileLoadsTheCardOfTheDayAndDefaultCodes) {
    load();
    EXPECT_EQ(loadedNames(), QStringList({"FrmTimer", "FrmCartaDia"}));
    const ShellState& s = shellState();
    EXPECT_EQ(s.nivelAlertas, "maxi");
    EXPECT_EQ(s.modoMinimizar, "systray");
    EXPECT_EQ(s.tipoCarta, "marsellaone");
    EXPECT_FALSE(biorhythms::bioState().birthDateSet());
}

TEST_F(FrmTimerTest, StartWindowAndCodesFollowTheSettings) {
    writeOption("Módulo Inicial", "Oracle");
    writeOption("Nivel Alertas", "None ");
    writeOption("Minimizar", "Systray");
    writeOption("tipocartas", "tarot");
    folder.write("bio.dat", "15,6,1980\r\n");
    load();
    EXPECT_EQ(loadedNames(), QStringList({"FrmTimer", "Frmoracle"}));
    const ShellState& s = shellState();
    EXPECT_EQ(s.nivelAlertas, "zero");
    EXPECT_EQ(s.modoMinimizar, "toolbar");
    EXPECT_EQ(s.tipoCarta, "");
    EXPECT_EQ(biorhythms::bioState().diaNac, 15);
}

TEST_F(FrmTimerTest, DamagedSettingsFileStillStarts) {
    folder.write("opciones.ini", QByteArray("\x00\xff\xfe[opc\x00iones]\nM\xf3", 16));
    load();
    EXPECT_EQ(loadedNames(), QStringList({"FrmTimer", "FrmCartaDia"}));
    EXPECT_EQ(shellState().nivelAlertas, "maxi");
}

TEST_F(FrmTimerTest, UptimeCountsOverMidnightAndPastADay) {
    FrmTimer& timer = load();
    clock.advanceSeconds(20); // 0:00:10 the next day
    timer.TimeUp_Timer();
    EXPECT_EQ(timer.LblUptime->text(), "0:00:20");
    EXPECT_EQ(timer.LblDias->text(), "0d ");

    clock.advanceSeconds(2 * 3600 + 5 * 60 - 3); // not every second ticks
    timer.TimeUp_Timer();
    EXPECT_EQ(timer.LblUptime->text(), "2:05:17");

    clock.set(runtime::makeDateTime({2024, 3, 22, 0, 59, 50})); // 25 hours after start
    timer.TimeUp_Timer();
    EXPECT_EQ(timer.LblUptime->text(), "1:00:00");
    EXPECT_EQ(timer.LblDias->text(), "1d ");
}

TEST_F(FrmTimerTest, PeriodicAlertCheckEvery60thTick) {
    FrmTimer& timer = load();
    shellState().alertaDesdeBio = true;
    for (int i = 0; i < 59; ++i) {
        timer.TimerBio_Timer();
    }
    EXPECT_EQ(shellState().ticksBio, 59);
    EXPECT_TRUE(shellState().alertaDesdeBio);
    timer.TimerBio_Timer();
    EXPECT_EQ(shellState().ticksBio, 0);
    EXPECT_FALSE(shellState().alertaDesdeBio);
}
