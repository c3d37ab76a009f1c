#include "forms/UiPictures.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QWidget>

namespace forms {

QPixmap uiPicture(const QString& name) {
    return pictureFile(QStringLiteral(":/ui/") + name + QStringLiteral(".png"));
}

// Through QImage: a pixmap loaded from a file would stay in Qt's pixmap cache for the rest of
// the day, beside the copy that its control keeps.
QPixmap pictureFile(const QString& path) {
    return QPixmap::fromImage(QImage(path));
}

void paintWindowPicture(QWidget* window, const QString& name) {
    static const QColor kNightBlue(23, 29, 63);
    QPainter painter(window);
    const QString key =
        QStringLiteral("velarcana-%1-%2x%3").arg(name).arg(window->width()).arg(window->height());
    QPixmap stretched;
    if (!QPixmapCache::find(key, &stretched)) {
        const QPixmap picture = uiPicture(name);
        if (!picture.isNull()) {
            stretched = picture.scaled(window->size());
            QPixmapCache::insert(key, stretched);
        }
    }
    if (stretched.isNull()) {
        painter.fillRect(window->rect(), kNightBlue);
    } else {
        painter.drawPixmap(0, 0, stretched);
    }
}

QIcon programIcon() {
    QIcon icon;
    for (const QString& name : {kPicTray, kPicApp}) {
        const QPixmap picture = uiPicture(name);
        if (!picture.isNull()) {
            icon.addPixmap(picture);
        }
    }
    return icon;
}

} // namespace forms
