// Draws the moon pictures (lunagif/moon0.gif ... moon30.gif) and the sign pictures
// (signos/Aries_sm.gif ... Piscis_sm.gif) into a program folder.
#include "Fonts.h"
#include "MoonPictures.h"
#include "PictureFiles.h"
#include "SignPictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skygen <program folder>\n");
        return 2;
    }
    tooldraw::loadFonts();
    const QDir programFolder(QString::fromLocal8Bit(argv[1]));
    const QDir moons(programFolder.filePath("lunagif"));
    const QDir signs(programFolder.filePath("signos"));
    if (!tooldraw::makeFolder(moons.path()) || !tooldraw::makeFolder(signs.path())) {
        return 1;
    }
    for (int n = 0; n < sky::kMoonPictures; ++n) {
        const QString name = "moon" + QString::number(n) + ".gif";
        if (!tooldraw::writeGif(sky::drawMoon(n * sky::kDegreesPerPicture), moons.filePath(name))) {
            return 1;
        }
    }
    for (const sky::Sign& sign : sky::signs()) {
        if (!tooldraw::writeGif(sky::drawSign(sign), signs.filePath(sign.stem + "_sm.gif"))) {
            return 1;
        }
    }
    return 0;
}
