#include "shell/ctxSysTray.h"

#include "biorule/BioState.h"
#include "forms/Forms.h"
#include "platform/NotifyIcon.h"
#include "platform/Pointer.h"
#include "runtime/Clock.h"
#include "runtime/SystemFormats.h"
#include "runtime/Twips.h"
#include "shell/FrmTimer.h"
#include "shell/ShellState.h"
#include "shell/TaskBarPosition.h"
#include "shell/ToolTipWindow.h"
#include "shell/WeekdayPlanet.h"

#include <limits>

namespace shell {
namespace {

constexpr std::uint32_t kAddFlags =
    platform::NIF_MESSAGE | platform::NIF_ICON | platform::NIF_TIP | platform::NIF_INFO; // 23
constexpr std::uint32_t kUpdateFlags = platform::NIF_ICON | platform::NIF_TIP;           // 6
constexpr long kTaskbarBottom = 3;

const QString kToolTipsOn = QStringLiteral("ToolTips on");
const QString kToolTipsOff = QStringLiteral("ToolTips off");
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

ctxSysTray::ctxSysTray(QObject* parent)
    : QObject(parent), TimerTooltip(new QTimer(this)), TimerHostTip(new QTimer(this)) {
    TimerTooltip->setInterval(kHoverTickMs);
    TimerHostTip->setInterval(kHostTipRefreshMs);
    TimerHostTip->setTimerType(Qt::VeryCoarseTimer);
    connect(TimerTooltip, &QTimer::timeout, this, &ctxSysTray::TimerTooltip_Timer);
    connect(TimerHostTip, &QTimer::timeout, this, &ctxSysTray::TimerHostTip_Timer);
}

ctxSysTray::~ctxSysTray() {
    RemoveIconFromSystray();
}

void ctxSysTray::send(std::uint32_t message) {
    trayData.hWnd = this;
    platform::Shell_NotifyIcon(message, trayData);
}

void ctxSysTray::AddIconToSystray(const QString& tip) {
    if (shellState().perfilesAbierto) {
        return;
    }
    trayData.cbSize = platform::NotifyIconData::kRecordSize;
    trayData.uID = 1;
    trayData.uFlags = kAddFlags;
    trayData.uCallbackMessage = platform::WM_MOUSEMOVE;
    trayData.hIcon = &m_trayIcon;
    platform::setField(trayData.szTip, tip);
    trayData.dwState = 0;
    trayData.dwStateMask = 0;
    send(platform::NIM_ADD);
    if (platform::hostShowsMenuAndTip()) {
        giveHostMenuAndTip();
    }
}

void ctxSysTray::giveHostMenuAndTip() {
    platform::notifyArea().setIconMenu(trayData, m_trayMenu);
    TimerHostTip->start();
    TimerHostTip_Timer();
}

void ctxSysTray::TimerHostTip_Timer() {
    const ShellState& s = shellState();
    if (!TimerHostTip->isActive()) {
        return;
    }
    if (s.cargandoForm) {
        // As a hover tip, the lines wait for the end of a main window's load.
        QTimer::singleShot(kHostTipRetryMs, this, &ctxSysTray::TimerHostTip_Timer);
        return;
    }
    const QPointer<ctxSysTray> alive(this);
    const QString tip =
        s.desactivarTooltips == kToolTipsOff ? kPlainTip : kPlainTip + kCrLf + dynamicTipText();
    // Building the lines lets events run: the icon may have gone meanwhile.
    if (alive && TimerHostTip->isActive()) {
        platform::notifyArea().setIconToolTip(trayData, tip);
    }
}

void ctxSysTray::UpdateIcon(const QString& tip) {
    trayData.uFlags = kUpdateFlags;
    trayData.hIcon = &m_trayIcon;
    platform::setField(trayData.szTip, tip);
    send(platform::NIM_MODIFY);
}

void ctxSysTray::RemoveIconFromSystray() {
    TimerHostTip->stop();
    send(platform::NIM_DELETE);
}

void ctxSysTray::Popup(const QString& text, const QString& title, std::uint32_t flags) {
    trayData.uFlags = kAddFlags;
    platform::setField(trayData.szInfo, text);
    platform::setField(trayData.szInfoTitle, title);
    trayData.dwInfoFlags = flags;
    send(platform::NIM_MODIFY);
}

void ctxSysTray::HidePopUp() {
    Popup(QString(), QString(), 0);
}

void ctxSysTray::trayCallback(int mouseMessage) {
    ShellState& s = shellState();
    // The message arrives as the horizontal coordinate of a mouse move, in twips.
    const float x = static_cast<float>(runtime::pixelsToTwips(mouseMessage));
    const float y = 0.0F;
    switch (mouseMessage) {
    case platform::WM_MOUSEMOVE:
        emit MouseMouse(x, y);
        if (s.clickCarta || s.cargandoForm) {
            return;
        }
        if (!TimerTooltip->isActive()) {
            TimerTooltip->start();
        }
        if (s.desactivarTooltips == kToolTipsOn && !s.tooltipCerrado) {
            CalcIconRect();
        } else if (s.desactivarTooltips == kToolTipsOff && !s.tooltipCerrado) {
            UpdateIcon(kPlainTip);
        }
        break;
    case platform::WM_LBUTTONUP:
        emit MouseUp(1, 0, x, y);
        endClickedVisit();
        s.tooltipCerrado = true;
        break;
    case platform::WM_LBUTTONDBLCLK:
        emit DblClick(1);
        endClickedVisit();
        s.tooltipCerrado = true;
        break;
    case platform::WM_RBUTTONUP:
        emit MouseUp(2, 0, x, y);
        endClickedVisit();
        break;
    default:
        break;
    }
}

void ctxSysTray::endClickedVisit() {
    TimerTooltip->stop();
    unloadToolTipWindow();
}

QRect ctxSysTray::GetCursorWindow() const {
    return platform::notifyArea().iconRectAt(platform::GetCursorPos());
}

void ctxSysTray::CalcIconRect() {
    const QRect icon = GetCursorWindow();
    trayTop = icon.top();
    trayBottom = icon.top() + icon.height();
    GetTaskBarPosition();
    shellState().barraAbajo = shellState().posicionBarra == kTaskbarBottom;
    // The host reports the icon's own rectangle, so all of it is the hover target; off every
    // icon the bounds stay as they were.
    if (!icon.isEmpty()) {
        iconLeft = icon.left();
        iconRight = icon.left() + icon.width();
    }
}

void ctxSysTray::TimerTooltip_Timer() {
    ShellState& s = shellState();
    if (s.desactivarTooltips == kToolTipsOff) {
        return;
    }
    // The count only needs to pass five; it stops at its top instead of overflowing.
    if (tickCount < std::numeric_limits<runtime::Integer>::max()) {
        ++tickCount;
    }
    const bool personal = s.estiloTooltips == QStringLiteral("personal");
    if (tickCount >= kTicksBeforeTip && !s.tooltipCerrado && !s.tooltipVisible) {
        if (personal) {
            UpdateIcon(QString());
        }
        s.tooltipCerrado = true;
        tickCount = 0;
        const QPointer<ctxSysTray> alive(this);
        if (!personal) {
            ShowDynamicTip();
        } else if (!s.cargandoForm) {
            loadToolTipWindow();
        }
        // Building the tip lets events run: the icon may have gone with its window meanwhile.
        if (!alive) {
            return;
        }
    }
    const QPoint pointer = platform::GetCursorPos();
    if (iconLeft <= pointer.x() && pointer.x() < iconRight && trayTop <= pointer.y() &&
        pointer.y() < trayBottom) {
        return;
    }
    s.tooltipVisible = false;
    if (personal) {
        unloadToolTipWindow();
    } else {
        HidePopUp();
    }
    TimerTooltip->stop();
    s.tooltipCerrado = false;
    tickCount = 0;
}

void ctxSysTray::ShowDynamicTip() {
    const ShellState& s = shellState();
    const std::uint32_t flags = s.modoSilencioso == QStringLiteral("mudo")
                                    ? platform::NIIF_INFO | platform::NIIF_NOSOUND
                                    : platform::NIIF_INFO;
    const QPointer<ctxSysTray> alive(this);
    const QString text = dynamicTipText();
    if (alive && !text.isEmpty()) {
        Popup(text, kPlainTip, flags);
    }
}

QString ctxSysTray::dynamicTipText() {
    if (!biorhythms::bioState().birthDateSet()) {
        return kNotSetNotice;
    }
    FrmTimer* timer = forms::Forms::instance().get<FrmTimer>();
    if (!timer) {
        return QString();
    }
    const runtime::DateValue today = runtime::Today();
    planetaDia = planetOfWeekday(runtime::weekdayOf(today));
    return dateWithPlanet(today) + kCrLf + timer->tooltipLines();
}

} // namespace shell
