#include "readings/ReadingControls.h"

#include "forms/UiPictures.h"
#include "shell/ModuleForm.h"

#include <QLabel>
#include <QMouseEvent>

namespace readings {

QAction* addMenuItem(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(objectName);
    return item;
}

QAction* addSwitchItem(shell::ModuleForm* window, QMenu* menu, const QString& objectName,
                       const QString& caption, const QString& target) {
    QAction* item = addMenuItem(menu, objectName, caption);
    QObject::connect(item, &QAction::triggered, window,
                     [window, target] { window->switchTo(target); });
    return item;
}

void showPicture(QLabel* box, const QString& path) {
    const QPixmap picture = forms::pictureFile(path);
    box->setPixmap(picture.isNull() ? QPixmap()
                                    : picture.scaled(box->size(), Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
}

bool isLeftClick(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton &&
           static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
}

} // namespace readings
