#include "support/FakeTray.h"

#include "platform/Pointer.h"

#include <gtest/gtest.h>

namespace testing_support {

FakeTray::FakeTray() {
    platform::setNotifyArea(this);
    setPointer(QPoint(0, 0));
}

FakeTray::~FakeTray() {
    platform::setNotifyArea(nullptr);
    platform::setCursorPosOverride(std::nullopt);
}

bool FakeTray::notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) {
    calls.push_back({message, data});
    const Key key{data.hWnd, data.uID};
    const auto found = icons.find(key);
    switch (message) {
    case platform::NIM_ADD:
        if (found != icons.end() || !data.hWnd) {
            return false;
        }
        icons[key].tip = platform::fieldText(data.szTip);
        return true;
    case platform::NIM_MODIFY:
        if (found == icons.end()) {
            return false;
        }
        if (data.uFlags & platform::NIF_TIP) {
            found->second.tip = platform::fieldText(data.szTip);
        }
        if (data.uFlags & platform::NIF_INFO) {
            found->second.balloonText = platform::fieldText(data.szInfo);
            found->second.balloonTitle = platform::fieldText(data.szInfoTitle);
            found->second.balloonFlags = data.dwInfoFlags;
            if (!found->second.balloonText.isEmpty() || !found->second.balloonTitle.isEmpty()) {
                ++found->second.balloonsShown;
            }
        }
        return true;
    case platform::NIM_DELETE:
        if (found == icons.end()) {
            return false;
        }
        icons.erase(found);
        return true;
    default:
        return false;
    }
}

QRect FakeTray::iconRectAt(const QPoint& point) const {
    return !statusNotifierHost && iconRect.contains(point) ? iconRect : QRect();
}

void FakeTray::setIconMenu(const platform::NotifyIconData& data, QMenu* menu) {
    const auto found = icons.find(Key{data.hWnd, data.uID});
    if (found != icons.end()) {
        found->second.menu = menu;
    }
}

void FakeTray::setIconToolTip(const platform::NotifyIconData& data, const QString& text) {
    const auto found = icons.find(Key{data.hWnd, data.uID});
    if (found != icons.end()) {
        found->second.tip = text;
    }
}

FakeTray::Icon& FakeTray::onlyIcon() {
    static Icon none;
    EXPECT_EQ(icons.size(), 1U);
    return icons.empty() ? none : icons.begin()->second;
}

void FakeTray::send(int mouseMessage) {
    ASSERT_EQ(icons.size(), 1U);
    icons.begin()->first.first->trayCallback(mouseMessage);
}

QMenu* FakeTray::rightClick() {
    QMenu* const menu = onlyIcon().menu;
    if (!statusNotifierHost) {
        send(platform::WM_RBUTTONUP);
    }
    return menu;
}

void FakeTray::setPointer(QPoint position) {
    platform::setCursorPosOverride(position);
}

} // namespace testing_support
