#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// The built program itself, started from a program folder as a shell starts it (under an
// optional file size limit, with the signal of that limit at its default), on the test's X
// display; killed with the object.
class RealProgram {
public:
    RealProgram(const QString& programFolder, std::optional<qint64> fileSizeLimit = std::nullopt);
    ~RealProgram();
    RealProgram(const RealProgram&) = delete;
    RealProgram& operator=(const RealProgram&) = delete;

    // Whether it still runs once that long has passed (or it ended).
    bool runningAfter(int ms);
    // What it said, and how it ended when it did.
    std::string report();
    // Its windows on the screen, each as its title and its kind.
    QStringList visibleWindows() const;
    // Waits until a window with the title is on the screen; 0 when none came.
    WId windowShown(const QString& title) const;
    // Waits until its tray icon is docked in the tray; its rectangle on the screen.
    QRect trayIcon() const;
    // Chooses the item of its tray menu reached by so many presses of the Down key.
    bool chooseFromTrayMenu(int downPresses) const;

private:
    QString pid() const;
    std::vector<WId> ownWindows(bool visibleOnly) const;

    QProcess m_process;
    QByteArray m_output;
};

// A copy of the built program in the folder, with the data folders named.
void installBuiltProgram(const QString& programFolder, const QStringList& dataFolders = {});

// What the window shows on the screen.
QImage pictureOf(WId window);

// Keys pressed through XTest, as xdotool names them.
bool typeKeys(const QStringList& keys);

} // namespace testing_support
