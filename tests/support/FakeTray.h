#pragma once

#include "platform/NotifyIcon.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace testing_support {

// A notification area for tests; installs itself (and a pinned pointer) while it lives. It
// keeps every call and the icons that are in the tray, and sends callbacks on request. By
// default it is an XEmbed tray, which reports the icon's position; with statusNotifierHost it
// is a StatusNotifierItem host, which reports none and shows the icon's menu and tooltip itself.
class FakeTray final : public platform::NotifyArea {
public:
    struct Call {
        std::uint32_t message;
        platform::NotifyIconData data;
    };
    struct Icon {
        QString tip;
        QString balloonText;
        QString balloonTitle;
        std::uint32_t balloonFlags = 0;
        int balloonsShown = 0;
        QMenu* menu = nullptr; // the menu the icon carries
    };
    using Key = std::pair<platform::TrayWindow*, std::uint32_t>;

    FakeTray();
    ~FakeTray() override;

    bool notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override;
    bool isAvailable() const override { return available; }
    QRect iconRectAt(const QPoint& point) const override;
    bool hostShowsMenuAndTip() const override { return statusNotifierHost; }
    void setIconMenu(const platform::NotifyIconData& data, QMenu* menu) override;
    void setIconToolTip(const platform::NotifyIconData& data, const QString& text) override;

    // The only icon in the tray (fails the test when there is not exactly one).
    Icon& onlyIcon();
    int iconCount() const { return static_cast<int>(icons.size()); }
    // Sends a mouse message to the only icon's window.
    void send(int mouseMessage);
    // A right click on the only icon, as the host takes it; returns the icon's menu where the
    // host opens it. A StatusNotifierItem host opens the icon's menu, or its own panel menu
    // when the icon carries none, and sends nothing; on an XEmbed tray Qt opens the icon's menu
    // where it carries one, and the click comes as WM_RBUTTONUP either way.
    QMenu* rightClick();
    // Moves the pinned pointer.
    void setPointer(QPoint position);

    bool available = true;
    bool statusNotifierHost = false;
    // Where the tray host reports the icon (screen pixels); empty: it reports none.
    QRect iconRect{1000, 776, 24, 24};
    std::vector<Call> calls;
    std::map<Key, Icon> icons;
};

} // namespace testing_support
