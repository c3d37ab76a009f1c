// Windows that let events run (a notice's slide, a tune's start, a pause of their load) or show
// a box can be unloaded by those events: a switch or "Exit" from a tray menu, the close of a
// window. These tests send such events at those moments to the real windows; under the
// sanitizers any use of a window after it is gone fails them.
#include "app/StartProgram.h"
#include "app/Windows.h"
#include "biorhythms/FrmCompaTab.h"
#include "biorhythms/frmBio.h"
#include "forms/Forms.h"
#include "readings/FrmCartaDia.h"
#include "readings/FrmName.h"
#include "readings/Frmoracle.h"
#include "readings/frmVelarcana.h"
#include "runtime/MessageBox.h"
#include "shell/FrmOptions.h"
#include "shell/FrmTimer.h"
#include "shell/ModuleForm.h"
#include "shell/Notif.h"
#include "shell/ProgramEnd.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeMusicPlayer.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTimeZone.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <functional>

#include <gtest/gtest.h>

using forms::Forms;
using runtime::makeDateTime;

namespace {

const QByteArray kBirthNotSet = "1,1,1900\r\n";
const QByteArray kBirthTime = "7,5\r\n";
const QByteArray kCountdown = "24,12,2030\r\n";

void deleteUnloaded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs `action` at the next moment the program lets events run; windows it unloads are deleted
// at once where the window runtime allows it.
void whenEventsRun(std::function<void()> action) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [action = std::move(action)] {
            action();
            deleteUnloaded();
        },
        Qt::QueuedConnection);
}

shell::ModuleForm* module(const char* name) {
    return qobject_cast<shell::ModuleForm*>(Forms::instance().find(QString::fromLatin1(name)));
}

// The tray menu item of a main window: "Exit", or a "Go to..." item by its caption.
QAction* trayItem(const char* window, const QString& caption) {
    shell::ModuleForm* w = module(window);
    if (!w) {
        return nullptr;
    }
    if (caption == QLatin1String("Exit")) {
        return w->MnuSalir;
    }
    for (QAction* item : w->MnuIr->actions()) {
        if (item->text() == caption) {
            return item;
        }
    }
    return nullptr;
}

void choose(const char* window, const QString& caption) {
    QAction* item = trayItem(window, caption);
    ASSERT_NE(item, nullptr) << window << " " << caption.toStdString();
    item->trigger();
}

} // namespace

class WindowLifetimeTest : public testing::Test {
protected:
    void SetUp() override {
        shell::resetShellState();
        shell::shellState().modoMinimizar = "systray";
        shell::Notif::setSlideDuration(0);
        shell::setProgramEnd([this] { ++programEnds; });
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString& typed) {
            prompts << call.prompt;
            typed = QStringLiteral("Ana");
            if (duringBox) {
                duringBox();
                deleteUnloaded(); // the window goes while its box is open
            }
            return runtime::vbYes;
        });
        app::registerWindows();
        folder.write("bio.dat", kBirthNotSet);
        folder.write("horabio.dat", kBirthTime);
        folder.write("biofinal.dat", kCountdown);
    }
    void TearDown() override {
        Forms::instance().reset();
        deleteUnloaded();
        runtime::setDialogScript(nullptr);
        shell::setProgramEnd(nullptr);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
    }

    // The program went on: only `last` of the main windows is left, shown, with its icon.
    void expectOnly(const char* last) {
        for (const char* name :
             {"FrmCartaDia", "FrmCalendar", "frmVelarcana", "FrmName", "Frmoracle", "frmBio"}) {
            EXPECT_EQ(Forms::instance().isLoaded(QString::fromLatin1(name)),
                      qstrcmp(name, last) == 0)
                << name;
        }
        ASSERT_NE(module(last), nullptr);
        EXPECT_TRUE(module(last)->isVisible());
        EXPECT_EQ(tray.iconCount(), 1);
        EXPECT_FALSE(shell::shellState().cargandoForm);
    }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeMusicPlayer music;
    testing_support::FakeShell desktop;
    testing_support::FakeTimeZone zone{0, 0, 0};
    testing_support::FakeClock clock{makeDateTime({2016, 7, 24, 12, 0, 0})};
    std::function<void()> duringBox;
    QStringList prompts;
    int programEnds = 0;
};

// The target of a switch lets events run in its load: the Card of the Day window and the
// Biorhythms window slide in their notice (no birth date yet), the Oracle starts its tune. A
// second switch or "Exit" chosen from the target's tray menu meanwhile unloads the target in the
// middle of its load, and the first window in the middle of its switch.
TEST_F(WindowLifetimeTest, ASwitchOrExitFromTheTrayMenuWhileTheTargetComesUp) {
    struct Case {
        const char* item; // on the Another Day window's tray menu
        const char* target;
        const char* from; // the window whose tray menu is used while the target loads
        const char* then;
        const char* last; // the window left, "" after "Exit"
    };
    const Case cases[] = {
        {"Card of Day", "FrmCartaDia", "FrmCartaDia", "Numbers", "frmVelarcana"},
        {"Card of Day", "FrmCartaDia", "FrmCartaDia", "Exit", ""},
        {"Card of Day", "FrmCartaDia", "FrmCalendar", "Exit", ""},
        {"Card of Day", "FrmCartaDia", "FrmCartaDia", "Another Day", "FrmCalendar"}, // and back
        {"Biorhythms", "frmBio", "frmBio", "Names", "FrmName"},
        {"Biorhythms", "frmBio", "frmBio", "Exit", ""},
        {"Oracle", "Frmoracle", "Frmoracle", "Numbers", "frmVelarcana"},
        {"Oracle", "Frmoracle", "Frmoracle", "Exit", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.target) + ", " + c.from + ": " + c.then);
        shell::resetShellState();
        shell::shellState().modoMinimizar = "systray";
        programEnds = 0;
        Forms::instance().load("FrmCalendar");
        bool targetLoading = false;
        whenEventsRun([&] {
            targetLoading = shell::shellState().cargandoForm;
            choose(c.from, c.then);
        });
        choose("FrmCalendar", c.item);
        deleteUnloaded();
        EXPECT_TRUE(targetLoading);
        if (c.last[0]) {
            expectOnly(c.last);
            EXPECT_EQ(programEnds, 0);
        } else {
            // The other main windows refuse their unload (their close box); the program ends.
            EXPECT_FALSE(Forms::instance().isLoaded(QString::fromLatin1(c.from)));
            EXPECT_EQ(programEnds, 1);
        }
        EXPECT_EQ(music.playing(), "");
        EXPECT_EQ(folder.read("horabio.dat"), kBirthTime) << "nothing saved from a half load";
        EXPECT_EQ(folder.read("biofinal.dat"), kCountdown);
        Forms::instance().reset();
        deleteUnloaded();
    }
}

TEST_F(WindowLifetimeTest, ExitWhileTheStartWindowComesUpEndsTheProgramBeforeItsLoop) {
    whenEventsRun([] { choose("FrmCartaDia", QStringLiteral("Exit")); });
    EXPECT_FALSE(app::startProgram());
    deleteUnloaded();
    EXPECT_TRUE(Forms::instance().loaded().isEmpty());
    EXPECT_EQ(programEnds, 1);
}

// The notice slides away (letting events run) when it has been up for 30 seconds and when the
// Card of the Day window is minimised into the tray.
TEST_F(WindowLifetimeTest, ExitWhileTheWelcomeNoticeSlidesAway) {
    const std::function<void()> slideOuts[] = {
        [] {
            auto* timer = Forms::instance().findForm<shell::FrmTimer>();
            for (int second = 1; second <= shell::FrmTimer::kNotifTicks; ++second) {
                timer->TimeUp_Timer();
            }
        },
        [] {
            Forms::instance().findForm<readings::FrmCartaDia>()->setWindowStateCode(
                forms::vbMinimized);
        },
    };
    for (const auto& slideOut : slideOuts) {
        programEnds = 0;
        Forms::instance().get<shell::FrmTimer>();
        ASSERT_TRUE(shell::shellState().notifVisible);
        whenEventsRun([] { choose("FrmCartaDia", QStringLiteral("Exit")); });
        slideOut();
        deleteUnloaded();
        EXPECT_TRUE(Forms::instance().loaded().isEmpty());
        EXPECT_EQ(programEnds, 1);
        shell::resetShellState();
        shell::shellState().modoMinimizar = "systray";
    }
}

// Each box a window shows lets events run; here "Exit" (or the close of a small window) comes
// while the box is open, and the window is gone when the box returns.
TEST_F(WindowLifetimeTest, AWindowUnloadedWhileItsBoxIsOpenIsNotTouchedAfterIt) {
    folder.write("perfiles.txt", "Ana,July/24/1970,9:05\r\nBea,July/18/1980,6:00\r\n");
    folder.write("logs/resOracle.log", "kept\r\n");
    const auto exitFrom = [](const char* window) {
        return [window] { choose(window, QStringLiteral("Exit")); };
    };
    const auto close = [](const char* window) {
        return [window] { Forms::instance().unload(QString::fromLatin1(window)); };
    };
    const auto text = [](const char* window, const char* box, const char* typed) {
        Forms::instance()
            .find(QString::fromLatin1(window))
            ->findChild<QLineEdit*>(QString::fromLatin1(box))
            ->setText(QString::fromLatin1(typed));
    };
    struct Case {
        const char* window;
        std::function<void()> action;
        std::function<void()> gone;
    };
    const Case cases[] = {
        {"frmVelarcana",
         [&] {
             text("frmVelarcana", "text1", "12a");
             Forms::instance().findForm<readings::frmVelarcana>()->ARButtonAcep_Click();
         },
         exitFrom("frmVelarcana")},
        {"FrmName",
         [&] {
             text("FrmName", "Text1nom", "An4");
             Forms::instance().findForm<readings::FrmName>()->ARButtonAcep_Click();
         },
         exitFrom("FrmName")},
        {"FrmCartaDia",
         [] { Forms::instance().findForm<readings::FrmCartaDia>()->ImgCartadia_Click(); },
         exitFrom("FrmCartaDia")},
        {"Frmoracle",
         [] { Forms::instance().findForm<readings::Frmoracle>()->MnuDelResults_Click(); },
         exitFrom("Frmoracle")},
        {"frmBio", [] { Forms::instance().findForm<biorhythms::frmBio>()->XPButtonHora_Click(); },
         exitFrom("frmBio")},
        {"frmBio", [] { Forms::instance().findForm<biorhythms::frmBio>()->XPButtonSave_Click(); },
         exitFrom("frmBio")},
        {"frmBio", [] { Forms::instance().findForm<biorhythms::frmBio>()->CmdSnap_Click(); },
         exitFrom("frmBio")},
        {"FrmCompaTab", // the main profile as the second one is refused at its load
         [] { Forms::instance().findForm<biorhythms::frmBio>()->XPButtonCompa_Click(); },
         close("FrmCompaTab")},
        {"FrmOptions",
         [] { module("FrmCartaDia")->MnuOpIco->trigger(); }, // "personal" refused at its load
         close("FrmOptions")},
    };
    folder.write("opciones.ini", "[opciones]\r\nPerfil-Bio=Ana\r\nNombre secundario=Ana\r\n"
                                 "Estilo Tooltips=personal\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        prompts.clear();
        const char* host = c.window == QLatin1String("FrmCompaTab")  ? "frmBio"
                           : c.window == QLatin1String("FrmOptions") ? "FrmCartaDia"
                                                                     : c.window;
        Forms::instance().load(QString::fromLatin1(host));
        duringBox = c.gone;
        c.action();
        duringBox = nullptr;
        deleteUnloaded();
        EXPECT_FALSE(prompts.isEmpty()) << "a box was shown";
        EXPECT_FALSE(Forms::instance().isLoaded(QString::fromLatin1(c.window)));
        EXPECT_FALSE(shell::shellState().clickCarta);
        Forms::instance().reset();
        deleteUnloaded();
        shell::resetShellState();
        shell::shellState().modoMinimizar = "systray";
    }
    EXPECT_EQ(folder.read("logs/resOracle.log"), "kept\r\n") << "a Yes its window did not see";
    EXPECT_FALSE(QFile::exists(folder.file("mysnap.bmp")));
    EXPECT_EQ(folder.read("perfiles.txt"), "Ana,July/24/1970,9:05\r\nBea,July/18/1980,6:00\r\n");
}
