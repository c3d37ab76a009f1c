#include "platform/NotifyIcon.h"

#include "platform/EventSound.h"
#include "platform/Pointer.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <map>
#include <set>
#include <utility>

namespace platform {
namespace {

constexpr int kHoverPollMs = 100;         // the hover tick of the tray control
constexpr std::uint32_t kIconMask = 0x0F; // the icon part of a balloon's flags
constexpr int kDBusTimeoutMs = 1000;
// Qt's own window for a tray icon on an XEmbed tray.
const QString kIconWindowName = QStringLiteral("QSystemTrayIconSys");
const QString kBalloonSound = QStringLiteral("dialog-information");

// The shell's texts end lines with CR LF; Qt's widgets want LF.
QString shownText(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Qt shows its tray icons through StatusNotifierItem exactly when a StatusNotifierHost is
// registered with the session bus's watcher the first time it asks; it asks once. So do we,
// right before Qt does.
bool statusNotifierHostRegistered() {
    static const bool registered = [] {
        const QString platform = QGuiApplication::platformName();
        if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland"))) {
            return false;
        }
        const QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            return false;
        }
        const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
        QDBusMessage get = QDBusMessage::createMethodCall(
            watcher, QStringLiteral("/StatusNotifierWatcher"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << watcher << QStringLiteral("IsStatusNotifierHostRegistered");
        const QDBusMessage reply = bus.call(get, QDBus::Block, kDBusTimeoutMs);
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
               reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
    }();
    return registered;
}

// Qt's icon windows that an icon of ours watches.
std::set<const QObject*>& claimedWindows() {
    static std::set<const QObject*> windows;
    return windows;
}

bool isFreeIconWindow(const QObject* object) {
    return object->isWidgetType() && object->objectName() == kIconWindowName &&
           claimedWindows().count(object) == 0;
}

QWidget* freeIconWindow() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (isFreeIconWindow(window)) {
            return window;
        }
    }
    return nullptr;
}

// One icon in the tray. Where the icon is a window of our own, pointer moves over it come from
// that window's events; where the host reports the icon's position without giving us its
// window, a poll finds them; a StatusNotifierItem host gives neither, and nothing runs.
class TrayEntry : public QObject {
public:
    TrayEntry(TrayWindow* target, QObject* parent)
        : QObject(parent), m_target(target), m_icon(new QSystemTrayIcon(this)),
          m_poll(new QTimer(this)) {
        m_poll->setInterval(kHoverPollMs);
        connect(m_icon, &QSystemTrayIcon::activated, this, &TrayEntry::activated);
        connect(m_poll, &QTimer::timeout, this, &TrayEntry::poll);
    }

    void apply(const NotifyIconData& data) {
        if ((data.uFlags & NIF_ICON) && data.hIcon) {
            m_icon->setIcon(*data.hIcon);
        }
        if (data.uFlags & NIF_TIP) {
            m_icon->setToolTip(fieldText(data.szTip));
        }
        if (data.uFlags & NIF_INFO) {
            showBalloon(data);
        }
    }

    // An XEmbed icon gets its own window from Qt when a tray is there to take it.
    void showIcon() {
        m_icon->show();
        if (!statusNotifierHostRegistered()) {
            findWindow();
        }
    }
    void setMenu(QMenu* menu) { m_icon->setContextMenu(menu); }
    void setToolTip(const QString& text) { m_icon->setToolTip(shownText(text)); }

    // Goes without delivering anything more; deleted later, as a callback may be running.
    void retire() {
        m_target = nullptr;
        qApp->removeEventFilter(this);
        unwatch();
        m_poll->stop();
        m_icon->hide();
        deleteLater();
    }

    QRect geometry() const { return m_icon->geometry(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == m_window && (type == QEvent::Enter || type == QEvent::MouseMove)) {
            deliver(WM_MOUSEMOVE);
        } else if (!m_window && type == QEvent::Show && isFreeIconWindow(watched)) {
            watch(static_cast<QWidget*>(watched));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // An empty text and title take the balloon away. A balloon that comes sounds as the shell
    // sounds it, unless NIIF_NOSOUND asks for silence: Qt's own balloons make no sound.
    void showBalloon(const NotifyIconData& data) {
        const QString title = fieldText(data.szInfoTitle);
        const QString text = fieldText(data.szInfo);
        const QSystemTrayIcon::MessageIcon icon = (data.dwInfoFlags & kIconMask) == NIIF_INFO
                                                      ? QSystemTrayIcon::Information
                                                      : QSystemTrayIcon::NoIcon;
        m_icon->showMessage(shownText(title), shownText(text), icon, kBalloonTimeoutMs);
        if (!(title.isEmpty() && text.isEmpty()) && !(data.dwInfoFlags & NIIF_NOSOUND)) {
            playEventSound(kBalloonSound);
        }
    }

    // Until Qt shows a window for the icon, every showing is looked at; a poll stands in where
    // the icon has a position but no window of ours.
    void findWindow() {
        if (!m_target) {
            return; // retired
        }
        if (QWidget* window = freeIconWindow()) {
            watch(window);
            return;
        }
        qApp->installEventFilter(this);
        if (!geometry().isEmpty()) {
            m_poll->start();
        }
    }

    void watch(QWidget* window) {
        qApp->removeEventFilter(this);
        m_poll->stop();
        m_window = window;
        claimedWindows().insert(window);
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, this, &TrayEntry::windowGone);
    }

    void unwatch() {
        if (m_window) {
            claimedWindows().erase(m_window);
            m_window->removeEventFilter(this);
            disconnect(m_window, &QObject::destroyed, this, &TrayEntry::windowGone);
            m_window = nullptr;
        }
    }

    // Qt makes a new window when the tray changes (a panel restarting), right after the old one
    // has gone; while it goes, the old one is still listed among the windows.
    void windowGone(QObject* window) {
        claimedWindows().erase(window);
        QTimer::singleShot(0, this, &TrayEntry::findWindow);
    }

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
    QPointer<QWidget> m_window;
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
            statusNotifierHostRegistered();
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

    bool isAvailable() const override {
        statusNotifierHostRegistered();
        return QSystemTrayIcon::isSystemTrayAvailable();
    }

    QRect iconRectAt(const QPoint& point) const override {
        for (const auto& [key, entry] : m_entries) {
            if (entry && entry->geometry().contains(point)) {
                return entry->geometry();
            }
        }
        return {};
    }

    bool hostShowsMenuAndTip() const override { return statusNotifierHostRegistered(); }

    void setIconMenu(const NotifyIconData& data, QMenu* menu) override {
        if (TrayEntry* entry = find(data)) {
            entry->setMenu(menu);
        }
    }

    void setIconToolTip(const NotifyIconData& data, const QString& text) override {
        if (TrayEntry* entry = find(data)) {
            entry->setToolTip(text);
        }
    }

private:
    using Key = std::pair<TrayWindow*, std::uint32_t>;

    TrayEntry* find(const NotifyIconData& data) const {
        const auto found = m_entries.find(Key{data.hWnd, data.uID});
        return found == m_entries.end() ? nullptr : found->second.data();
    }

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

bool hostShowsMenuAndTip() {
    return notifyArea().hostShowsMenuAndTip();
}

} // namespace platform
