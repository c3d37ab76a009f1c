#include "app/StartProgram.h"
#include "app/Windows.h"
#include "forms/UiPictures.h"

#include <QApplication>

#include <csignal>

namespace {

void fileSizeLimitReached(int) {}

// Under a file size limit (ulimit -f) a write past it then fails as on a full disk, which every
// writer handles, instead of ending the program. Caught rather than ignored: a program started
// from here (the help or log viewer) gets the signal's default back.
void writesFailPastTheFileSizeLimit() {
    struct sigaction action {};
    action.sa_handler = fileSizeLimitReached;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGXFSZ, &action, nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    writesFailPastTheFileSizeLimit();
    // The program places its own windows (notifications, tooltips), which Wayland does not
    // allow: run through XWayland unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velarcana"));
    // The boxes and dialogs, which are not windows of the program's own, carry its icon too.
    QApplication::setWindowIcon(forms::programIcon());
    // Windows hide into the tray; only "Exit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    app::registerWindows();
    if (!app::startProgram()) {
        return 0;
    }
    return QApplication::exec();
}
