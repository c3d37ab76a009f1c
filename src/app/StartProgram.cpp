#include "app/StartProgram.h"

#include "forms/Forms.h"
#include "platform/InstanceLock.h"
#include "runtime/MessageBox.h"
#include "runtime/ProgramFolder.h"
#include "shell/FrmTimer.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>

namespace app {
namespace {

void tellAlreadyRunning() {
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
    runtime::MsgBox(exeName + QStringLiteral(".EXE") + QStringLiteral(" is already running!"),
                    runtime::vbInformation);
}

} // namespace

bool startProgram() {
    // Held until the program ends; a new start takes it afresh.
    static std::unique_ptr<platform::InstanceLock> lock;
    lock = std::make_unique<platform::InstanceLock>(runtime::programFolder());
    switch (lock->acquire()) {
    case platform::InstanceLock::Outcome::Running:
        tellAlreadyRunning();
        return false;
    case platform::InstanceLock::Outcome::Unavailable:
        // Without a lock only the refusal of a second start is lost.
        qWarning("Velarcana: cannot lock %s; a second start will not be refused",
                 qUtf8Printable(lock->path()));
        break;
    case platform::InstanceLock::Outcome::Taken:
        break;
    }
    // "Exit" chosen while the start window comes up ends the program before its event loop.
    return forms::Forms::instance().get<shell::FrmTimer>() != nullptr;
}

} // namespace app
