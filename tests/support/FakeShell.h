#pragma once

#include "platform/ShellOpen.h"

#include <QList>

namespace testing_support {

// Keeps what the program hands to the desktop instead of opening it; installs itself while it
// lives.
class FakeShell final : public platform::ShellOpener {
public:
    FakeShell() { platform::setShellOpener(this); }
    ~FakeShell() override { platform::setShellOpener(nullptr); }
    bool open(const QUrl& target) override {
        opened << target;
        return true;
    }

    QList<QUrl> opened;
};

} // namespace testing_support
