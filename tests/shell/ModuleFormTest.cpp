#include "shell/ModuleForm.h"

#include "forms/Forms.h"
#include "shell/FrmOptions.h"
#include "shell/FrmToolTip.h"
#include "shell/ProgramEnd.h"
#include "shell/ShellState.h"
#include "shell/ToolTipWindow.h"
#include "shell/frmAbout.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTray.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace shell;
using forms::Forms;
using platform::NIM_ADD;
using platform::NIM_DELETE;
using platform::WM_LBUTTONDBLCLK;
using platform::WM_LBUTTONUP;
using platform::WM_RBUTTONUP;

namespace {

// A main window made for the tests: it keeps what its load saw.
class TestModule : public ModuleForm {
public:
    TestModule(const QString& name, const QString& other) : ModuleForm(name, name) {
        addGoToItem(QStringLiteral("MnuOther"), other, other);
        addGoToItem(QStringLiteral("MnuNowhere"), QStringLiteral("Nowhere"),
                    QStringLiteral("NotAWindow"));
    }
    using ModuleForm::openHelpFile;

    bool loadingDuringOwnWork = false;
    int ownWork = 0;

protected:
    void loadModule() override {
        loadingDuringOwnWork = shellState().cargandoForm;
        ++ownWork;
    }
};

const QString kA = QStringLiteral("ModuleA");
const QString kB = QStringLiteral("ModuleB");

} // namespace

class ModuleFormTest : public testing::Test {
protected:
    void SetUp() override {
        resetShellState();
        shellState().modoMinimizar = "systray";
        Forms::instance().registerFactory(kA, [] { return new TestModule(kA, kB); });
        Forms::instance().registerFactory(kB, [] { return new TestModule(kB, kA); });
        setProgramEnd([this] { ++programEnds; });
    }
    void TearDown() override {
        Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setProgramEnd(nullptr);
    }

    void settings(const QByteArray& lines) {
        folder.write("opciones.ini", "[opciones]\r\n" + lines);
    }
    TestModule& window(const QString& name) {
        return *static_cast<TestModule*>(Forms::instance().load(name));
    }
    TestModule* loaded(const QString& name) {
        return static_cast<TestModule*>(Forms::instance().find(name));
    }
    QAction* action(TestModule& w, const char* name) {
        return w.findChild<QAction*>(QString::fromLatin1(name));
    }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    testing_support::TempProgramFolder folder;
    testing_support::FakeTray tray;
    testing_support::FakeSoundPlayer sound;
    testing_support::FakeShell desktop;
    int programEnds = 0;
};

TEST_F(ModuleFormTest, LoadReadsTheShellSettingsAddsTheIconAndShows) {
    struct Case {
        QByteArray ini;
        QString tip;
        QString tooltips;
        QString silent;
        QString style;
        QString sound;
    };
    const Case cases[] = {
        {"", "", "ToolTips on", "nomudo", "windows xp", "NoBgSound"},
        {"Desactivar Tooltips=ToolTips off\r\nModo Silencioso=mudo\r\n"
         "Estilo Tooltips=personal\r\nBackground Sound=SiBgSound\r\n",
         "Velarcana by Quenlor", "ToolTips off", "mudo", "personal", "SiBgSound"},
        {"Desactivar Tooltips=off\r\nEstilo Tooltips=Personal\r\n", "", "off", "nomudo",
         "windows xp", "NoBgSound"},
    };
    for (const Case& c : cases) {
        settings(c.ini);
        TestModule& a = window(kA);
        const ShellState& s = shellState();
        EXPECT_EQ(tray.onlyIcon().tip, c.tip) << c.ini.constData();
        EXPECT_EQ(s.desactivarTooltips, c.tooltips);
        EXPECT_EQ(s.modoSilencioso, c.silent);
        EXPECT_EQ(s.estiloTooltips, c.style);
        EXPECT_EQ(s.bgSound, c.sound);
        EXPECT_EQ(a.ownWork, 1);
        EXPECT_TRUE(a.loadingDuringOwnWork);
        EXPECT_FALSE(s.cargandoForm);
        EXPECT_TRUE(a.isVisible());
        EXPECT_EQ(a.windowStateCode(), forms::vbNormal);
        Forms::instance().reset();
        settle();
    }
}

TEST_F(ModuleFormTest, StartMinimisedKeepsTheWindowHiddenWithItsIcon) {
    const std::pair<const char*, bool> cases[] = {
        {"True", true}, {"Verdadero", true}, {"False", false}, {"true", false}, {"", false}};
    for (const auto& [value, hidden] : cases) {
        settings(QByteArray("Iniciar Minimizado=") + value + "\r\n");
        TestModule& a = window(kA);
        EXPECT_EQ(a.isVisible(), !hidden) << value;
        EXPECT_EQ(tray.iconCount(), 1) << value;
        Forms::instance().reset();
        settle();
    }
}

TEST_F(ModuleFormTest, CloseBoxHidesIntoTheTrayAndClicksBringTheWindowBack) {
    for (int click : {WM_LBUTTONUP, WM_LBUTTONDBLCLK}) {
        TestModule& a = window(kA);
        a.setWindowStateCode(forms::vbMinimized);
        a.setWindowStateCode(forms::vbNormal);
        a.Show();
        EXPECT_FALSE(a.close());
        EXPECT_FALSE(a.isVisible());
        EXPECT_TRUE(a.isLoaded());
        EXPECT_EQ(tray.iconCount(), 1);

        shellState().tooltipCerrado = false;
        loadToolTipWindow();
        tray.send(click);
        EXPECT_TRUE(a.isVisible()) << click;
        EXPECT_EQ(a.windowStateCode(), forms::vbNormal);
        EXPECT_TRUE(shellState().tooltipCerrado);
        EXPECT_FALSE(Forms::instance().isLoaded(FrmToolTip::kName));
        EXPECT_TRUE(sound.played.isEmpty());
    }
}

TEST_F(ModuleFormTest, RightClickOpensTheTrayMenu) {
    TestModule& a = window(kA);
    loadToolTipWindow();
    EXPECT_EQ(tray.rightClick(), nullptr) << "the icon carries no menu of its own";
    EXPECT_FALSE(Forms::instance().isLoaded(FrmToolTip::kName));
    EXPECT_TRUE(shellState().tooltipCerrado);
    EXPECT_TRUE(a.MnuIcon->isVisible());
    QStringList entries;
    for (const QAction* entry : a.MnuIcon->actions()) {
        entries << entry->text();
    }
    EXPECT_EQ(entries, QStringList({"About...", "Options", "Go to...", "", "Exit"}));
    EXPECT_EQ(a.MnuIr->actions().first()->text(), kB);
    a.MnuIcon->hide();
}

TEST_F(ModuleFormTest, OnAStatusNotifierHostTheIconCarriesTheTrayMenuAndTip) {
    tray.statusNotifierHost = true;
    for (const char* tooltips : {"ToolTips on", "ToolTips off"}) {
        settings(QByteArray("Desactivar Tooltips=") + tooltips + "\r\n");
        TestModule& a = window(kA);
        QMenu* const menu = tray.rightClick();
        ASSERT_EQ(menu, a.MnuIcon) << tooltips;
        EXPECT_FALSE(a.MnuIcon->isVisible()) << "the host opens it, not the window";
        a.ctxSysTray1->TimerHostTip_Timer(); // the tip waits for the end of the load
        EXPECT_EQ(tray.onlyIcon().tip, QString(tooltips) == "ToolTips on"
                                           ? "Velarcana by Quenlor\r\n" + ctxSysTray::kNotSetNotice
                                           : "Velarcana by Quenlor");
        menu->actions().at(0)->trigger();
        EXPECT_TRUE(Forms::instance().isLoaded(frmAbout::kName)) << tooltips;
        Forms::instance().reset();
        settle();
    }
}

TEST_F(ModuleFormTest, MinimisingHidesOnlyWithSystray) {
    const std::pair<const char*, bool> cases[] = {{"systray", false}, {"toolbar", true}};
    for (const auto& [mode, visible] : cases) {
        shellState().modoMinimizar = mode;
        TestModule& a = window(kA);
        a.setWindowStateCode(forms::vbMinimized);
        EXPECT_EQ(a.isVisible(), visible) << mode;
        EXPECT_EQ(tray.iconCount(), 1) << mode;
        Forms::instance().reset();
        settle();
    }
}

TEST_F(ModuleFormTest, GoToHandsOverToTheOtherWindow) {
    settings("Background Sound=SiBgSound\r\nIniciar Minimizado=True\r\n");
    TestModule& a = window(kA);
    TestModule* const first = &a;
    tray.calls.clear();
    action(a, "MnuOther")->trigger();
    EXPECT_EQ(loaded(kA), nullptr);
    TestModule* b = loaded(kB);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->isVisible()); // shown although it starts minimised
    EXPECT_EQ(b->windowStateCode(), forms::vbNormal);
    ASSERT_EQ(tray.calls.size(), 2U);
    EXPECT_EQ(tray.calls[0].message, NIM_DELETE);
    EXPECT_EQ(tray.calls[0].data.hWnd, first->ctxSysTray1);
    EXPECT_EQ(tray.calls[1].message, NIM_ADD);
    EXPECT_EQ(tray.calls[1].data.hWnd, b->ctxSysTray1);
    EXPECT_EQ(tray.iconCount(), 1);
    settle();
    EXPECT_EQ(tray.iconCount(), 1);
    ASSERT_EQ(sound.played.size(), 1);
    EXPECT_EQ(sound.played[0], folder.file("boop.wav"));

    settings("Background Sound=NoBgSound\r\n");
    action(*b, "MnuOther")->trigger();
    settle();
    EXPECT_NE(loaded(kA), nullptr);
    EXPECT_EQ(sound.played.size(), 1);
}

TEST_F(ModuleFormTest, SwitchingMinimisesFirstUnlessTheTriggerSaysNot) {
    shellState().modoMinimizar = "toolbar";
    struct Seen : TestModule {
        using TestModule::TestModule;
        int minimisedAtUnload = -1;
        void Form_Unload(int& cancel) override {
            minimisedAtUnload = windowStateCode() == forms::vbMinimized;
            TestModule::Form_Unload(cancel);
        }
    };
    const QString name = QStringLiteral("Seen");
    Forms::instance().registerFactory(name, [name] { return new Seen(name, kB); });
    for (bool minimiseFirst : {true, false}) {
        auto& a = *static_cast<Seen*>(Forms::instance().load(name));
        a.switchTo(kB, minimiseFirst);
        EXPECT_EQ(a.minimisedAtUnload, minimiseFirst ? 1 : 0);
        Forms::instance().reset();
        settle();
    }
}

TEST_F(ModuleFormTest, AnUnknownTargetLeavesTheWindowAsItIs) {
    TestModule& a = window(kA);
    action(a, "MnuNowhere")->trigger();
    EXPECT_EQ(loaded(kA), &a);
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(tray.iconCount(), 1);
}

TEST_F(ModuleFormTest, ExitUnloadsEveryWindowSilentlyAndEndsTheProgram) {
    settings("Background Sound=SiBgSound\r\n");
    TestModule& a = window(kA);
    Forms::instance().get<frmAbout>();
    action(a, "MnuSalir")->trigger();
    EXPECT_TRUE(Forms::instance().loaded().isEmpty());
    EXPECT_TRUE(shellState().saliendo);
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(tray.iconCount(), 0);
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ModuleFormTest, AboutAndOptionsOpenBesideTheWindow) {
    TestModule& a = window(kA);
    action(a, "MnuAbout")->trigger();
    action(a, "MnuOpIco")->trigger();
    ASSERT_NE(Forms::instance().findForm<frmAbout>(), nullptr);
    ASSERT_NE(Forms::instance().findForm<FrmOptions>(), nullptr);
    EXPECT_TRUE(Forms::instance().findForm<frmAbout>()->isVisible());
    EXPECT_TRUE(Forms::instance().findForm<FrmOptions>()->isVisible());
    EXPECT_TRUE(a.isVisible());
}

TEST_F(ModuleFormTest, HelpOpensTheHelpFileOfTheProgramFolder) {
    window(kA).openHelpFile();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(folder.file("Velarcana.chm")));
}

TEST_F(ModuleFormTest, WithoutATrayHostWindowsGoToTheTaskbarInstead) {
    tray.available = false;
    settings("Iniciar Minimizado=True\r\n");
    TestModule& a = window(kA);
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(a.windowStateCode(), forms::vbMinimized);

    a.setWindowStateCode(forms::vbNormal);
    a.Show();
    EXPECT_FALSE(a.close());
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(a.windowStateCode(), forms::vbMinimized);

    tray.available = true; // a tray host came
    a.setWindowStateCode(forms::vbNormal);
    a.Show();
    EXPECT_FALSE(a.close());
    EXPECT_FALSE(a.isVisible());
}
