#include "shell/ctxSysTray.h"

#include "biorhythms/BioState.h"
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

ctxSysTray::ctxSysTray(QObject* parent) : QObject(parent), TimerTooltip(new QTimer(this)) {
    TimerTooltip->setInterval(kHoverTickMs);
    connect(TimerTooltip, &QTimer::timeout, this, &ctxSysTray::TimerTooltip_Timer);
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
}

void ctxSysTray::UpdateIcon(const QString& tip) {
    trayData.uFlags = kUpdateFlags;
    trayData.hIcon = &m_trayIcon;
    platform::setField(trayData.szTip, tip);
    send(platform::NIM_MODIFY);
}

void ctxSysTray::RemoveIconFromSystray() {
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
    const QRect window = GetCursorWindow();
    trayTop = window.top();
    trayBottom = window.top() + window.height();
    GetTaskBarPosition();
    shellState().barraAbajo = shellState().posicionBarra == kTaskbarBottom;
    const runtime::Long x = platform::GetCursorPos().x();
    const runtime::Long left = window.left();
    const auto slotCount = static_cast<runtime::Long>(
        runtime::roundHalfEven(static_cast<double>(window.width()) / kSlotWidth));
    for (runtime::Long k = 1; k <= slotCount; ++k) {
        const runtime::Long low = left + kSlotWidth * (k - 1);
        if (low < x && x < low + kSlotWidth) {
            iconLeft = low;
            iconRight = low + kSlotWidth;
            return;
        }
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
        if (!personal) {
            ShowDynamicTip();
        } else if (!s.cargandoForm) {
            loadToolTipWindow();
        }
    }
    const QPoint pointer = platform::GetCursorPos();
    if (iconLeft <= pointer.x() && pointer.x() <= iconRight && trayTop <= pointer.y() &&
        pointer.y() <= trayBottom) {
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
    if (!biorhythms::bioState().birthDateSet()) {
        Popup(kNotSetNotice, kPlainTip, flags);
        return;
    }
    FrmTimer* timer = forms::Forms::instance().get<FrmTimer>();
    if (!timer) {
        return;
    }
    const runtime::DateValue today = runtime::Today();
    planetaDia = planetOfWeekday(runtime::weekdayOf(today));
    Popup(dateWithPlanet(today) + kCrLf + timer->tooltipLines(), kPlainTip, flags);
}

} // namespace shell
