#include "readings/OracleTexts.h"

#include "runtime/Ansi.h"
#include "runtime/ProgramFolder.h"

#include <QFile>

#include <array>

namespace readings {
namespace {

const QString kMajorFolder = QStringLiteral("\\textos\\");
const QString kMinorFolder = QStringLiteral("\\mtextos\\");

constexpr std::array<const char16_t*, 22> kMajorTexts = {
    u"mago1.txt",      u"sacerdotisa2.txt", u"emperatriz3.txt", u"emperador4.txt",
    u"sacerdote5.txt", u"enamorados6.txt",  u"carro7.txt",      u"justicia8.txt",
    u"ermitaño9.txt",  u"fortuna10.txt",    u"fuerza11.txt",    u"colgado12.txt",
    u"muerte13.txt",   u"templanza14.txt",  u"diablo15.txt",    u"torre16.txt",
    u"estrella17.txt", u"luna18.txt",       u"sol19.txt",       u"juicio20.txt",
    u"loco21.txt",     u"mundo22.txt"};

QString textPath(const QString& folder, const QString& file) {
    return runtime::programPath((runtime::programFolderIsRoot() ? QString() : folder) + file);
}

} // namespace

QString majorCardTextFile(runtime::Integer card) {
    if (card < 1 || card > static_cast<int>(kMajorTexts.size())) {
        return QString();
    }
    return QString::fromUtf16(kMajorTexts[card - 1]);
}

QString minorCardTextFile(Suit suit, runtime::Integer card) {
    const QString stem = minorCardStem(suit, card);
    return stem.isEmpty() ? QString() : stem + QStringLiteral(".txt");
}

QString majorCardTextPath(runtime::Integer card) {
    return textPath(kMajorFolder, majorCardTextFile(card));
}

QString minorCardTextPath(Suit suit, runtime::Integer card) {
    return textPath(kMinorFolder, minorCardTextFile(suit, card));
}

QString readCardText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    QString text = runtime::fromAnsi(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace readings
