// Draws the program's icons for the desktop's icon theme from the emblem of the tray icon:
//   icongen <theme folder> <icon name> <size>...
// writes <theme folder>/<size>x<size>/apps/<icon name>.png for each size and
// <theme folder>/scalable/apps/<icon name>.svg, the same drawing as a scalable picture.
#include "Emblem.h"
#include "PictureFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSvgGenerator>

#include <cstdio>

namespace {

// The size of the scalable picture's own coordinates (its view box), and the resolution that
// makes it as many pixels wide on a usual screen.
constexpr int kScalableSize = 256;
constexpr int kScreenDpi = 96;

QByteArray scalableEmblem() {
    QBuffer bytes;
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setSize(QSize(kScalableSize, kScalableSize));
    svg.setViewBox(QRect(0, 0, kScalableSize, kScalableSize));
    svg.setResolution(kScreenDpi);
    svg.setTitle(QStringLiteral("Velarcana"));
    QPainter painter(&svg);
    tooldraw::paintPicture(painter, QSizeF(kScalableSize, kScalableSize), tooldraw::emblem);
    painter.end();
    return bytes.data();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

QString iconFolder(const QDir& theme, const QString& sizeFolder) {
    return theme.filePath(sizeFolder + QStringLiteral("/apps"));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: icongen <theme folder> <icon name> <size>...\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "icongen: %s is not a size in pixels\n", argv[i]);
            return 2;
        }
        const QString folder = iconFolder(theme, QStringLiteral("%1x%1").arg(size));
        if (!tooldraw::makeFolder(folder) ||
            !tooldraw::writePng(tooldraw::renderPicture(QSize(size, size), tooldraw::emblem),
                                folder + u'/' + name + QStringLiteral(".png"))) {
            return 1;
        }
    }
    const QString scalable = iconFolder(theme, QStringLiteral("scalable"));
    if (!tooldraw::makeFolder(scalable) ||
        !writeFile(scalable + u'/' + name + QStringLiteral(".svg"), scalableEmblem())) {
        return 1;
    }
    return 0;
}
