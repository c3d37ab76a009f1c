#pragma once

#include <QMenu>
#include <QString>
#include <QStringList>

class QEvent;
class QLabel;
class QLineEdit;

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

// Keeps a box whose text goes into a log on one line: line breaks, tabs and the other control
// characters become blanks in the box as they are typed or pasted, one for one (the box's
// length limit holds), so the text read is the text logged and no log line can be forged.
void keepOnOneLine(QLineEdit* box);
// True when the texts can go into a log as they are. Otherwise tells the user, in `fault`
// ("The name can not contain \"%1\"."), which characters a log (Windows-1252) cannot hold; the
// box lets events run.
bool loggable(const QStringList& texts, const QString& fault);

} // namespace readings
