#pragma once

#include "forms/Form.h"
#include "runtime/Numeric.h"
#include "shell/ctxSysTray.h"

#include <QAction>
#include <QMenu>

namespace shell {

// The shell every main window shares: its own tray icon and tray menu, hiding into the tray on
// the close box and (with "Minimizar" at "systray") on minimising, handing over to another main
// window, and "Exit". A window derives from it, does its own work in loadModule, adds its
// "Go to..." items and overrides only what it does differently.
//
// Where no tray host exists, hiding into the tray would leave the window unreachable: it is
// minimised to the taskbar instead, until a tray host is there again.
class ModuleForm : public forms::Form {
    Q_OBJECT

public:
    static inline const QString kHelpFile = QStringLiteral("/Velarcana.chm");
    static inline const QString kBoopSound = QStringLiteral("boop.wav");

    ModuleForm(const QString& name, const QString& caption);

    // Hands over to the main window registered as `target` and unloads this one; the tray menu
    // and most triggers minimise first. Does nothing for a name no window is registered under.
    void switchTo(const QString& target, bool minimiseFirst = true);
    // "Exit": removes the icon, unloads every window and ends the program.
    void UnloadAllForms();

    void ctxSysTray1_MouseUp(runtime::Integer Button, runtime::Integer Shift, float X, float Y);
    void ctxSysTray1_DblClick(runtime::Integer Button);
    void MnuAbout_Click();
    void MnuOpIco_Click();
    void MnuSalir_Click();

    ctxSysTray* ctxSysTray1;
    // The tray menu: "About...", "Options", "Go to..." (the other main windows), "Exit".
    QMenu* MnuIcon;
    QAction* MnuAbout;
    QAction* MnuOpIco;
    QMenu* MnuIr;
    QAction* MnuSalir;

protected:
    // cargandoForm for the length of a load: set at its start, cleared when it ends, also when it
    // stops early because the window was unloaded while its load let events run.
    class Loading {
    public:
        Loading();
        ~Loading();
        Loading(const Loading&) = delete;
        Loading& operator=(const Loading&) = delete;
    };

    // The window's own part of its load, after the shell settings are read and before it shows.
    virtual void loadModule() {}
    // True between deciding to really unload the window (switching, exiting) and its unload.
    virtual bool& switchingFlag() { return m_switching; }
    // "Iniciar Minimizado" at "True" or "Verdadero" keeps the window hidden at its load.
    virtual bool startsMinimised();
    // A tray click or double click: normal state, shown.
    virtual void restoreFromTray();

    // A "Go to..." item that switches to the window registered as `target`.
    QAction* addGoToItem(const QString& objectName, const QString& caption, const QString& target);
    // The help command: the help file opened by the desktop.
    void openHelpFile();
    // Hides the window into the tray, or minimises it to the taskbar where no tray host exists.
    void hideToTray();

    // The shell steps of the load, in the order Form_Load runs them; a window whose load runs
    // them in another order overrides Form_Load and calls them itself.
    void readDesactivarTooltips();
    void addOwnTrayIcon();
    void readModoSilencioso();
    void readEstiloTooltips();
    void readBackgroundSound();
    void showUnlessStartMinimised();

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;

private:
    bool m_switching = false;
    bool m_handingOver = false; // its switch to another window has begun; its icon is gone
};

} // namespace shell
