#include "app/StartProgram.h"
#include "app/Windows.h"
#include "forms/UiPictures.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
