#pragma once

#include "platform/NotifyIcon.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace testing_support {

// A notification area for tests; installs itself (and a pinned pointer) while it lives. It
// keeps every call and the icons that are in the tray, and sends callbacks on request.
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
    };
    using Key = std::pair<platform::TrayWindow*, std::uint32_t>;

    FakeTray();
    ~FakeTray() override;

    bool notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override;
    bool isAvailable() const override { return available; }
    QRect iconRectAt(const QPoint& point) const override;

    // The only icon in the tray (fails the test when there is not exactly one).
    Icon& onlyIcon();
    int iconCount() const { return static_cast<int>(icons.size()); }
    // Sends a mouse message to the only icon's window.
    void send(int mouseMessage);
    // Moves the pinned pointer.
    void setPointer(QPoint position);

    bool available = true;
    // Where the tray host reports the icon (screen pixels); empty: it reports none.
    QRect iconRect{1000, 776, 24, 24};
    std::vector<Call> calls;
    std::map<Key, Icon> icons;
};

} // namespace testing_support
