#include "shell/ModuleForm.h"

#include "forms/Forms.h"
#include "forms/LoadGuard.h"
#include "forms/UiPictures.h"
#include "platform/NotifyIcon.h"
#include "platform/Pointer.h"
#include "platform/ShellOpen.h"
#include "platform/WindowOrder.h"
#include "runtime/ProgramFolder.h"
#include "shell/FrmOptions.h"
#include "shell/ProgramEnd.h"
#include "shell/Settings.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"
#include "shell/ToolTipWindow.h"
#include "shell/frmAbout.h"

#include <QPointer>

namespace shell {
namespace {

const QString kToolTipsOff = QStringLiteral("ToolTips off");

} // namespace

ModuleForm::ModuleForm(const QString& name, const QString& caption)
    : forms::Form(name), ctxSysTray1(new ctxSysTray(this)), MnuIcon(new QMenu(this)),
      MnuAbout(MnuIcon->addAction(QStringLiteral("About..."))),
      MnuOpIco(MnuIcon->addAction(QStringLiteral("Options"))),
      MnuIr(MnuIcon->addMenu(QStringLiteral("Go to..."))),
      MnuSalir((MnuIcon->addSeparator(), MnuIcon->addAction(QStringLiteral("Exit")))) {
    setWindowTitle(caption);
    ctxSysTray1->setTrayIcon(forms::programIcon());
    ctxSysTray1->setTrayMenu(MnuIcon);
    MnuIcon->setObjectName(QStringLiteral("MnuIcon"));
    MnuAbout->setObjectName(QStringLiteral("MnuAbout"));
    MnuOpIco->setObjectName(QStringLiteral("MnuOpIco"));
    MnuIr->setObjectName(QStringLiteral("MnuIr"));
    MnuSalir->setObjectName(QStringLiteral("MnuSalir"));
    connect(MnuAbout, &QAction::triggered, this, &ModuleForm::MnuAbout_Click);
    connect(MnuOpIco, &QAction::triggered, this, &ModuleForm::MnuOpIco_Click);
    connect(MnuSalir, &QAction::triggered, this, &ModuleForm::MnuSalir_Click);
    connect(ctxSysTray1, &ctxSysTray::MouseUp, this, &ModuleForm::ctxSysTray1_MouseUp);
    connect(ctxSysTray1, &ctxSysTray::DblClick, this, &ModuleForm::ctxSysTray1_DblClick);
}

QAction* ModuleForm::addGoToItem(const QString& objectName, const QString& caption,
                                 const QString& target) {
    QAction* item = MnuIr->addAction(caption);
    item->setObjectName(objectName);
    connect(item, &QAction::triggered, this, [this, target] { switchTo(target); });
    return item;
}

void ModuleForm::readDesactivarTooltips() {
    ShellState& s = shellState();
    readOption(LeerDesactivarTooltips, QStringLiteral("Desactivar Tooltips"));
    if (s.desactivarTooltips.isEmpty()) {
        s.desactivarTooltips = QStringLiteral("ToolTips on");
    }
}

void ModuleForm::addOwnTrayIcon() {
    // With tooltips on the tip stays empty: the tray control builds its own on hover.
    ctxSysTray1->AddIconToSystray(
        shellState().desactivarTooltips == kToolTipsOff ? ctxSysTray::kPlainTip : QString());
}

void ModuleForm::readModoSilencioso() {
    ShellState& s = shellState();
    readOption(LeerModoSilencioso, QStringLiteral("Modo Silencioso"));
    if (s.modoSilencioso.isEmpty()) {
        s.modoSilencioso = QStringLiteral("nomudo");
    }
}

void ModuleForm::readEstiloTooltips() {
    ShellState& s = shellState();
    readOption(LeerEstiloTooltips, QStringLiteral("Estilo Tooltips"));
    s.estiloTooltips = s.estiloTooltipsIni == QStringLiteral("personal")
                           ? QStringLiteral("personal")
                           : QStringLiteral("windows xp");
}

void ModuleForm::readBackgroundSound() {
    ShellState& s = shellState();
    readOption(LeerBackgroundSound, QStringLiteral("Background Sound"));
    if (s.bgSound.isEmpty()) {
        s.bgSound = QStringLiteral("NoBgSound");
    }
}

bool ModuleForm::startsMinimised() {
    const QString value = readOption(LeerIniciarMinimizado, QStringLiteral("Iniciar Minimizado"));
    return value == QStringLiteral("True") || value == QStringLiteral("Verdadero");
}

void ModuleForm::showUnlessStartMinimised() {
    if (startsMinimised()) {
        hideToTray();
    } else {
        setWindowStateCode(forms::vbNormal);
        Show();
    }
}

ModuleForm::Loading::Loading() {
    shellState().cargandoForm = true;
}

ModuleForm::Loading::~Loading() {
    shellState().cargandoForm = false;
}

void ModuleForm::Form_Load() {
    const Loading loading;
    readDesactivarTooltips();
    addOwnTrayIcon();
    readModoSilencioso();
    readEstiloTooltips();
    readBackgroundSound();
    loadModule();
    // Showing runs Form_Activate, which may let events run.
    const forms::LoadGuard guard(this);
    showUnlessStartMinimised();
    if (guard) {
        switchingFlag() = false;
    }
}

void ModuleForm::hideToTray() {
    if (platform::trayAvailable()) {
        Hide();
        return;
    }
    if (windowStateCode() != forms::vbMinimized) {
        setWindowStateCode(forms::vbMinimized);
    }
    if (!isVisible()) {
        Show();
    }
}

void ModuleForm::Form_Resize() {
    if (windowStateCode() == forms::vbMinimized &&
        shellState().modoMinimizar == QStringLiteral("systray")) {
        hideToTray();
    }
}

void ModuleForm::Form_Unload(int& cancel) {
    if (!switchingFlag()) {
        // The close box: the window goes into the tray and stays loaded.
        cancel = 1;
        hideToTray();
        return;
    }
    const ShellState& s = shellState();
    if (!s.saliendo && s.bgSound == QStringLiteral("SiBgSound")) {
        QString sound = kBoopSound;
        tocarSonido(sound);
    }
    switchingFlag() = false;
}

void ModuleForm::switchTo(const QString& target, bool minimiseFirst) {
    forms::Forms& windows = forms::Forms::instance();
    if (!windows.isKnown(target)) {
        return;
    }
    // Minimising (a notice slides away), the target's load and its first activation let events
    // run; a switch or "Exit" chosen in them may unload either window.
    const forms::LoadGuard guard(this);
    m_handingOver = true;
    ctxSysTray1->RemoveIconFromSystray();
    // A switch back to a window that still waits for the load of this one: that window goes now
    // and the target loads anew, with its icon.
    auto* waiting = qobject_cast<ModuleForm*>(windows.find(target));
    if (waiting && waiting->m_handingOver) {
        waiting->switchingFlag() = true;
        waiting->Unload();
    }
    if (minimiseFirst) {
        setWindowStateCode(forms::vbMinimized);
        if (!guard) {
            return;
        }
    }
    if (forms::Form* next = windows.load(target)) {
        next->setWindowStateCode(forms::vbNormal);
        next->Show();
    }
    // Without its tray icon this window must go even when the target did not stay.
    if (guard) {
        switchingFlag() = true;
        Unload();
    }
}

void ModuleForm::UnloadAllForms() {
    ctxSysTray1->RemoveIconFromSystray();
    shellState().saliendo = true;
    const QList<forms::Form*> loaded = forms::Forms::instance().loaded();
    QList<QPointer<forms::Form>> windows(loaded.begin(), loaded.end());
    for (const QPointer<forms::Form>& window : windows) {
        switchingFlag() = true;
        if (window) {
            window->Unload();
        }
    }
    endProgram();
}

void ModuleForm::restoreFromTray() {
    setWindowStateCode(forms::vbNormal);
    Show();
}

void ModuleForm::ctxSysTray1_MouseUp(runtime::Integer Button, runtime::Integer, float, float) {
    platform::ReleaseCapture();
    if (Button != 1 && Button != 2) {
        return;
    }
    shellState().tooltipCerrado = true;
    unloadToolTipWindow();
    platform::SetForegroundWindow(this);
    if (Button == 2) {
        MnuIcon->popup(platform::GetCursorPos());
    } else {
        restoreFromTray();
    }
}

void ModuleForm::ctxSysTray1_DblClick(runtime::Integer Button) {
    platform::ReleaseCapture();
    if (Button != 1) {
        return;
    }
    shellState().tooltipCerrado = true;
    unloadToolTipWindow();
    restoreFromTray();
}

void ModuleForm::MnuAbout_Click() {
    if (frmAbout* about = forms::Forms::instance().get<frmAbout>()) {
        about->Show();
    }
}

void ModuleForm::MnuOpIco_Click() {
    if (FrmOptions* options = forms::Forms::instance().get<FrmOptions>()) {
        options->Show();
    }
}

void ModuleForm::MnuSalir_Click() {
    UnloadAllForms();
}

void ModuleForm::openHelpFile() {
    platform::ShellExecute(QUrl::fromLocalFile(runtime::programPath(kHelpFile)));
}

} // namespace shell
