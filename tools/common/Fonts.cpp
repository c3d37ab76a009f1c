#include "Fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace tooldraw {

namespace {

struct FaceFile {
    Face face;
    const char* path;
    bool bold;
    bool italic;
};

constexpr FaceFile kFaceFiles[] = {
    {Face::Serif, "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf", false, false},
    {Face::SerifBold, "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", true, false},
    {Face::SerifItalic, "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Italic.ttf", false, true},
    {Face::Sans, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", false, false},
    {Face::SansBold, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", true, false},
    {Face::Symbols, "/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf", false, false},
    {Face::Display, "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf", true, false},
};

QHash<int, QString>& families() {
    static QHash<int, QString> loaded;
    return loaded;
}

} // namespace

void loadFonts() {
    for (const FaceFile& file : kFaceFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file.path));
        const QStringList names = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || names.isEmpty()) {
            std::fprintf(stderr, "missing font file %s (see scripts/install-deps.sh)\n", file.path);
            std::exit(1);
        }
        families().insert(static_cast<int>(file.face), names.first());
    }
}

QFont font(Face face, double pixelSize) {
    for (const FaceFile& file : kFaceFiles) {
        if (file.face != face) {
            continue;
        }
        QFont f(families().value(static_cast<int>(face)));
        f.setPixelSize(qMax(1, qRound(pixelSize)));
        f.setBold(file.bold);
        f.setItalic(file.italic);
        f.setStyleStrategy(QFont::NoFontMerging);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    }
    return QFont();
}

} // namespace tooldraw
