#include "platform/NotifyIcon.h"

#include "platform/Pointer.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <map>
#include <utility>

namespace platform {
namespace {

constexpr int kHoverPollMs = 100;
constexpr int kBalloonMs = 10000;         // the shell's usual balloon time
constexpr std::uint32_t kIconMask = 0x0F; // the icon part of a balloon's flags

// The shell's texts end lines with CR LF; Qt's widgets want LF.
QString shownText(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// One icon in the tray, with its hover poll.
class TrayEntry : public QObject {
public:
    TrayEntry(TrayWindow* target, QObject* parent)
        : QObject(parent), m_target(target), m_icon(new QSystemTrayIcon(this)),
          m_poll(new QTimer(this)) {
        connect(m_icon, &QSystemTrayIcon::activated, this, &TrayEntry::activated);
        connect(m_poll, &QTimer::timeout, this, &TrayEntry::poll);
        m_poll->start(kHoverPollMs);
    }

    void apply(const NotifyIconData& data) {
        if ((data.uFlags & NIF_ICON) && data.hIcon) {
            m_icon->setIcon(*data.hIcon);
        }
        if (data.uFlags & NIF_TIP) {
            m_icon->setToolTip(fieldText(data.szTip));
        }
        if (data.uFlags & NIF_INFO) {
            // An empty text and title take the balloon away. NIIF_NOSOUND needs nothing: Qt's
            // balloons make no sound.
            const QSystemTrayIcon::MessageIcon icon = (data.dwInfoFlags & kIconMask) == NIIF_INFO
                                                          ? QSystemTrayIcon::Information
                                                          : QSystemTrayIcon::NoIcon;
            m_icon->showMessage(shownText(fieldText(data.szInfoTitle)),
                                shownText(fieldText(data.szInfo)), icon, kBalloonMs);
        }
    }

    void showIcon() { m_icon->show(); }

    // Goes without delivering anything more; deleted later, as a callback may be running.
    void retire() {
        m_target = nullptr;
        m_poll->stop();
        m_icon->hide();
        deleteLater();
    }

    QRect geometry() const { return m_icon->geometry(); }

private:
    void activated(QSystemTrayIcon::ActivationReason reason) {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            deliver(WM_LBUTTONUP);
            break;
        case QSystemTrayIcon::DoubleClick:
            deliver(WM_LBUTTONDBLCLK);
            break;
        case QSystemTrayIcon::Context:
            deliver(WM_RBUTTONUP);
            break;
        default:
            break;
        }
    }

    // A move is a new pointer position over the icon (or its arrival there).
    void poll() {
        const QRect rect = geometry();
        if (rect.isEmpty()) {
            m_inside = false;
            return;
        }
        const QPoint pos = GetCursorPos();
        const bool inside = rect.contains(pos);
        const bool moved = inside && (!m_inside || pos != m_lastPos);
        m_inside = inside;
        m_lastPos = pos;
        if (moved) {
            deliver(WM_MOUSEMOVE);
        }
    }

    void deliver(int message) {
        if (m_target) {
            m_target->trayCallback(message);
        }
    }

    TrayWindow* m_target;
    QSystemTrayIcon* m_icon;
    QTimer* m_poll;
    bool m_inside = false;
    QPoint m_lastPos;
};

class QtNotifyArea final : public NotifyArea {
public:
    bool notifyIcon(std::uint32_t message, const NotifyIconData& data) override {
        const Key key{data.hWnd, data.uID};
        auto found = m_entries.find(key);
        if (found != m_entries.end() && !found->second) {
            m_entries.erase(found); // went with the application
            found = m_entries.end();
        }
        switch (message) {
        case NIM_ADD: {
            if (found != m_entries.end() || !data.hWnd || !QCoreApplication::instance()) {
                return false;
            }
            auto* entry = new TrayEntry(data.hWnd, QCoreApplication::instance());
            entry->apply(data);
            entry->showIcon();
            m_entries.emplace(key, entry);
            return true;
        }
        case NIM_MODIFY:
            if (found == m_entries.end()) {
                return false;
            }
            found->second->apply(data);
            return true;
        case NIM_DELETE:
            if (found == m_entries.end()) {
                return false;
            }
            found->second->retire();
            m_entries.erase(found);
            return true;
        default:
            return false;
        }
    }

    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

    QRect iconRectAt(const QPoint& point) const override {
        for (const auto& [key, entry] : m_entries) {
            if (entry && entry->geometry().contains(point)) {
                return entry->geometry();
            }
        }
        return {};
    }

private:
    using Key = std::pair<TrayWindow*, std::uint32_t>;
    std::map<Key, QPointer<TrayEntry>> m_entries;
};

NotifyArea* installed = nullptr;

NotifyArea& realArea() {
    static QtNotifyArea area;
    return area;
}

} // namespace

NotifyArea& notifyArea() {
    return installed ? *installed : realArea();
}

void setNotifyArea(NotifyArea* area) {
    installed = area;
}

bool Shell_NotifyIcon(std::uint32_t message, const NotifyIconData& data) {
    return notifyArea().notifyIcon(message, data);
}

bool trayAvailable() {
    return notifyArea().isAvailable();
}

} // namespace platform
