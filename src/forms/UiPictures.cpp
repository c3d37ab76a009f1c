#include "forms/UiPictures.h"

#include <QImage>

namespace forms {

QPixmap uiPicture(const QString& name) {
    return pictureFile(QStringLiteral(":/ui/") + name + QStringLiteral(".png"));
}

// Through QImage: a pixmap loaded from a file would stay in Qt's pixmap cache for the rest of
// the day, beside the copy that its control keeps.
QPixmap pictureFile(const QString& path) {
    return QPixmap::fromImage(QImage(path));
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
