#include "platform/ShellOpen.h"

#include <QDesktopServices>

namespace platform {
namespace {

class DesktopOpener final : public ShellOpener {
public:
    bool open(const QUrl& target) override { return QDesktopServices::openUrl(target); }
};

ShellOpener* installed = nullptr;

ShellOpener& realOpener() {
    static DesktopOpener opener;
    return opener;
}

} // namespace

ShellOpener& shellOpener() {
    return installed ? *installed : realOpener();
}

void setShellOpener(ShellOpener* opener) {
    installed = opener;
}

bool ShellExecute(const QUrl& target) {
    return shellOpener().open(target);
}

} // namespace platform
