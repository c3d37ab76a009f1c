#pragma once

#include <QMenu>
#include <QString>

class QEvent;
class QLabel;

namespace shell {
class ModuleForm;
}

namespace readings {

// An item of a window's menu, named as the window's handlers know it.
QAction* addMenuItem(QMenu* menu, const QString& objectName, const QString& caption);
// A menu item that hands `window` over to the main window registered as `target`, minimising
// it first.
QAction* addSwitchItem(shell::ModuleForm* window, QMenu* menu, const QString& objectName,
                       const QString& caption, const QString& target);

// Shows a picture file in a picture box, scaled to fit; a missing picture leaves it empty.
void showPicture(QLabel* box, const QString& path);
// A left button released over the control: its click.
bool isLeftClick(QObject* watched, QEvent* event);

} // namespace readings
