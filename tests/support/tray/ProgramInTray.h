#pragma once

#include "app/Windows.h"
#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "runtime/MessageBox.h"
#include "runtime/SystemFormats.h"
#include "shell/FrmTimer.h"
#include "shell/ModuleForm.h"
#include "shell/Notif.h"
#include "shell/ProgramEnd.h"
#include "shell/ShellState.h"
#include "support/FakeClock.h"
#include "support/FakeEventSoundPlayer.h"
#include "support/FakeMusicPlayer.h"
#include "support/FakeShell.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTimeZone.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace testing_support {

// The program's own windows in this process, on the real tray layer, started as the program
// starts them on a temporary program folder: the background window brings up the Numbers window
// hidden in the tray, with the birth date set (1 March 1980 at midnight) and no alerts. Boxes are
// answered and kept; sounds, event sounds, tunes, the desktop and the time zone are fakes, the
// clock stands still.
class ProgramInTray {
public:
    explicit ProgramInTray(runtime::DateValue now) : clock(now) {
        shell::resetShellState();
        biorhythms::resetBioState();
        runtime::setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        shell::Notif::setSlideDuration(0);
        shell::setProgramEnd([this] { ++programEnds; });
        runtime::setDialogScript([this](const runtime::DialogCall& call, QString&) {
            prompts << call.prompt;
            return runtime::vbOK;
        });
        app::registerWindows();
        folder.write("opciones.ini", "[opciones]\r\nM\xf3"
                                     "dulo Inicial=Numbers\r\n"
                                     "Iniciar Minimizado=True\r\nNivel Alertas=None\r\n");
        folder.write("bio.dat", "1,3,1980\r\n");
        folder.write("horabio.dat", "0,0\r\n");
    }
    ~ProgramInTray() {
        forms::Forms::instance().reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        runtime::setDialogScript(nullptr);
        shell::setProgramEnd(nullptr);
        shell::Notif::setSlideDuration(shell::Notif::kDefaultSlideMs);
    }
    ProgramInTray(const ProgramInTray&) = delete;
    ProgramInTray& operator=(const ProgramInTray&) = delete;

    // The background window loads the start window; the main window that is up, or nullptr.
    shell::ModuleForm* start() {
        forms::Forms::instance().get<shell::FrmTimer>();
        return mainWindow("frmVelarcana");
    }
    static shell::ModuleForm* mainWindow(const char* name) {
        return qobject_cast<shell::ModuleForm*>(
            forms::Forms::instance().find(QString::fromLatin1(name)));
    }

    TempProgramFolder folder;
    FakeClock clock;
    FakeTimeZone zone{0, 0, 0};
    FakeSoundPlayer sound;
    FakeEventSoundPlayer eventSounds;
    FakeMusicPlayer music;
    FakeShell desktop;
    QStringList prompts;
    int programEnds = 0;
};

} // namespace testing_support
