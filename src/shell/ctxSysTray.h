#pragma once

#include "platform/NotifyIconData.h"
#include "runtime/Numeric.h"

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>

namespace shell {

// The tray icon of a main window. It puts one icon into the notification area, turns the
// icon's callbacks into the events MouseUp and DblClick of its host, and shows the tray tooltip
// after half a second of hovering: a balloon with the date and the four tooltip lines, or, in
// the "personal" style, the window FrmToolTip. The icon goes with the control.
//
// A StatusNotifierItem host tells nothing of the pointer and opens its own menu on a right
// click: there the icon carries the host window's tray menu, and as its tooltip what the
// balloon would show, rebuilt every minute.
class ctxSysTray : public QObject, public platform::TrayWindow {
    Q_OBJECT

public:
    static constexpr int kHoverTickMs = 100;
    static constexpr int kTicksBeforeTip = 5;       // half a second
    static constexpr int kHostTipRefreshMs = 60000; // the lines change by the minute at most
    static constexpr int kHostTipRetryMs = 500;     // while a main window loads
    static inline const QString kPlainTip = QStringLiteral("Velarcana by Quenlor");
    static inline const QString kNotSetNotice = QStringLiteral(
        "ToolTps dinámicos cuando se actualice la fecha de nacimiento para los biorritmos!");

    explicit ctxSysTray(QObject* parent = nullptr);
    ~ctxSysTray() override;

    // The icon picture; a new one reaches the tray with the next add or update.
    QIcon TrayIcon() const { return m_trayIcon; }
    void setTrayIcon(const QIcon& icon) { m_trayIcon = icon; }

    // The menu that the host window opens on a right click (where the tray host opens menus
    // itself, the icon carries it).
    void setTrayMenu(QMenu* menu) { m_trayMenu = menu; }

    // Adds the icon with a plain tip; does nothing while a profile window is open.
    void AddIconToSystray(const QString& tip);
    void UpdateIcon(const QString& tip);
    void RemoveIconFromSystray();
    // Shows a balloon (flags NIIF_INFO, with NIIF_NOSOUND for silence) and takes it away.
    void Popup(const QString& text, const QString& title, std::uint32_t flags);
    void HidePopUp();

    // The record handed to the shell on every call; it keeps what the last call set.
    const platform::NotifyIconData& record() const { return trayData; }

    // The hover timer and its tick (tests run the tick themselves).
    QTimer* TimerTooltip;
    void TimerTooltip_Timer();

    // Where the tray host shows the icon's tooltip itself: the timer that keeps it current, and
    // its tick.
    QTimer* TimerHostTip;
    void TimerHostTip_Timer();

    // Bounds of the icon under the pointer (screen pixels), found by the hover probe; the right
    // and bottom ones lie just past the icon.
    runtime::Long iconLeft = 0;
    runtime::Long iconRight = 0;
    runtime::Long trayTop = 0;
    runtime::Long trayBottom = 0;
    runtime::Integer tickCount = 0;
    QString planetaDia;

signals:
    // Raised on every pointer move over the icon; X and Y carry no pointer position.
    void MouseMouse(float X, float Y);
    // Button 1 on a left-button release, 2 on a right-button release.
    void MouseUp(runtime::Integer Button, runtime::Integer Shift, float X, float Y);
    // Button 1 on a left double click.
    void DblClick(runtime::Integer Button);

private:
    void trayCallback(int mouseMessage) override;
    void send(std::uint32_t message);
    QRect GetCursorWindow() const;
    void CalcIconRect();
    void ShowDynamicTip();
    // The balloon's text: the date line and the four lines, or the notice that the birth date
    // is not set.
    QString dynamicTipText();
    void endClickedVisit();
    void giveHostMenuAndTip();

    platform::NotifyIconData trayData;
    QIcon m_trayIcon;
    QPointer<QMenu> m_trayMenu;
};

} // namespace shell
