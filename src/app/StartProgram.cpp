#include "app/StartProgram.h"

#include "forms/Forms.h"
#include "platform/InstanceLock.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"
#include "shell/FrmTimer.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace app {

bool startProgram() {
    static platform::InstanceLock lock(runtime::programFolder());
    if (!lock.acquire()) {
        const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
        runtime::MsgBox(exeName + QStringLiteral(".EXE") + QStringLiteral(" is already running!"),
                        runtime::vbInformation);
        return false;
    }
    // "Exit" chosen while the start window comes up ends the program before its event loop.
    return forms::Forms::instance().get<shell::FrmTimer>() != nullptr;
}

} // namespace app
