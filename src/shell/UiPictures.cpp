#include "shell/UiPictures.h"

namespace shell {

QPixmap uiPicture(const QString& name) {
    return QPixmap(QStringLiteral(":/ui/") + name + QStringLiteral(".png"));
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

} // namespace shell
