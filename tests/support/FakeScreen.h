#pragma once

#include "platform/TaskbarEdge.h"

namespace testing_support {

// A 1920 x 1080 primary screen with one panel, any other geometry with docks, or no screen at all,
// in place of the real one; installs itself while it lives.
class FakeScreen final : public platform::ScreenSource {
public:
    static constexpr int kPanel = 30; // pixels

    // A panel at the edge (0 left, 1 top, 2 right, 3 bottom).
    explicit FakeScreen(int panelEdge) {
        setPanel(panelEdge);
        platform::setScreenSource(this);
    }
    ~FakeScreen() override { platform::setScreenSource(nullptr); }

    void setPanel(int edge) {
        const QRect full(0, 0, 1920, 1080);
        const QMargins panel[] = {
            {kPanel, 0, 0, 0}, {0, kPanel, 0, 0}, {0, 0, kPanel, 0}, {0, 0, 0, kPanel}};
        m_screen = platform::ScreenGeometry{full, full - panel[edge], {}};
    }
    void setGeometry(const QRect& full, const QRect& available, std::vector<QRect> docks = {}) {
        m_screen = platform::ScreenGeometry{full, available, std::move(docks)};
    }
    void removeScreen() { m_screen.reset(); }

    std::optional<platform::ScreenGeometry> primaryScreen() const override { return m_screen; }

private:
    std::optional<platform::ScreenGeometry> m_screen;
};

} // namespace testing_support
