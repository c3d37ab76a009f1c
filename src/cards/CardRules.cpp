#include "cards/CardRules.h"

#include "runtime/ProgramFolder.h"

#include <array>

namespace readings {
namespace {

constexpr std::array<const char16_t*, kMajorCards> kPictureFiles = {
    u"mago1.jpg",    u"sacerdotisa2.jpg", u"emperatriz3.jpg", u"emperador4.jpg",  u"sacerdote5.jpg",
    u"amantes6.jpg", u"carro7.jpg",       u"justicia8.jpg",   u"ermitaño9.jpg",   u"fortuna10.jpg",
    u"fuerza11.jpg", u"colgado12.jpg",    u"muerte13.jpg",    u"templanza14.jpg", u"diablo15.jpg",
    u"torre16.jpg",  u"estrella17.jpg",   u"luna18.jpg",      u"sol19.jpg",       u"juicio20.jpg",
    u"loco21.jpg",   u"mundo22.jpg"};

const QString kDefaultDeckFolder = QStringLiteral("\\imagenes\\");

runtime::Integer reduceBy(runtime::Integer sum, runtime::Integer cards) {
    while (sum > cards) {
        sum = static_cast<runtime::Integer>(sum - cards);
    }
    return sum;
}

} // namespace

double digitSum(const QString& text) {
    double sum = 0.0;
    for (const QChar ch : text) {
        sum += runtime::digitValue(ch);
    }
    return sum;
}

runtime::Integer reduceMajorCard(runtime::Integer sum) {
    return reduceBy(sum, kMajorCards);
}
runtime::Integer reduceMinorCard(runtime::Integer sum) {
    return reduceBy(sum, kMinorCards);
}

runtime::Integer cardOfDateText(const QString& dateText) {
    const auto sum = runtime::toInteger(digitSum(dateText));
    return sum ? reduceMajorCard(*sum) : 0;
}

QString ImagenesArcanos(runtime::Integer card) {
    if (card < 1 || card > kMajorCards) {
        return QString();
    }
    return QString::fromUtf16(kPictureFiles[card - 1]);
}

QString deckFolder(const QString& tipoCarta) {
    if (tipoCarta == QLatin1String("marsellaone")) {
        return kDefaultDeckFolder;
    }
    if (tipoCarta == QLatin1String("marsellaclass")) {
        return QStringLiteral("\\imagenes2\\");
    }
    if (tipoCarta == QLatin1String("oldones")) {
        return QStringLiteral("\\imagenes3\\");
    }
    return QString();
}

QString cardPicturePath(runtime::Integer card, const QString& tipoCarta) {
    QString folder;
    if (!runtime::programFolderIsRoot()) {
        folder = deckFolder(tipoCarta);
        if (folder.isEmpty()) {
            folder = kDefaultDeckFolder;
        }
    }
    return runtime::programPath(folder + ImagenesArcanos(card));
}

} // namespace readings
