#pragma once

#include "support/DesktopDeadline.h"

#include <QByteArray>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QWidget>

namespace testing_support {

// trayer, an XEmbed tray, on the test's X display: a panel along the top left of the screen, away
// from where notices and tooltips open. It goes with the object.
class Trayer {
public:
    Trayer();
    ~Trayer();
    Trayer(const Trayer&) = delete;
    Trayer& operator=(const Trayer&) = delete;

    // Whether it owns the tray (Qt sees a tray host); false when it did not come up in time.
    bool ready() const { return m_ready; }
    // Killed as a crashing panel is, then started again.
    bool restart();

private:
    bool start();
    void stop();

    QProcess m_process;
    bool m_ready = false;
};

// What the X server says of a window.
struct XWindowInfo {
    QRect rect;            // on the screen, in pixels
    bool viewable = false; // mapped, and so are all its ancestors
    bool embedded = false; // a child of some other window, not of the root
};
XWindowInfo xWindowInfo(WId window);

// Qt's window for a tray icon on an XEmbed tray, when there is one on the screen.
QWidget* trayIconWindow();

// The real pointer, moved and clicked through XTest (xdotool); false when the tool failed.
bool movePointer(QPoint position);
bool clickAt(QPoint position, int button);

// Runs a desktop tool to its end (within the deadline); false when it failed.
bool runTool(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);

} // namespace testing_support
