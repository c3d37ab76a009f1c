#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The data files the program reads from its folder, as the program names them, and where the
// build put them.
namespace program_data {

inline QString programFile(const QString& relative) {
    return QDir(QStringLiteral(VELARCANA_PROGRAM_DIR)).filePath(relative);
}

// Stems of the major card files, card 1 to 22 (pictures "<stem>.jpg", texts "<stem>.txt"
// except card 6, whose text is "enamorados6.txt").
inline QStringList majorStems() {
    return {"mago1",    "sacerdotisa2", "emperatriz3",    "emperador4", "sacerdote5", "amantes6",
            "carro7",   "justicia8",    "ermita\u00F1o9", "fortuna10",  "fuerza11",   "colgado12",
            "muerte13", "templanza14",  "diablo15",       "torre16",    "estrella17", "luna18",
            "sol19",    "juicio20",     "loco21",         "mundo22"};
}

inline QStringList majorTextStems() {
    QStringList stems = majorStems();
    stems[5] = "enamorados6";
    return stems;
}

// The 56 minor card stems: 1..10, then page, knight, queen and king of each suit.
inline QStringList minorStems() {
    QStringList stems;
    for (const char* suit : {"espadas", "bastos", "copas", "oros"}) {
        for (int rank = 1; rank <= 10; ++rank) {
            stems << QString::number(rank) + QString::fromUtf8(suit);
        }
        for (const char* court : {"sota-", "caballo-", "reina-", "rey-"}) {
            stems << QString::fromUtf8(court) + QString::fromUtf8(suit);
        }
    }
    return stems;
}

// Spanish sign names, Aries first: pictures "<Name>_sm.gif", texts "<name>.txt" in lower case.
inline QStringList signStems() {
    return {"Aries", "Tauro",    "Geminis",   "Cancer",      "Leo",     "Virgo",
            "Libra", "Escorpio", "Sagitario", "Capricornio", "Acuario", "Piscis"};
}

inline QStringList deckFolders() {
    return {"imagenes", "imagenes2", "imagenes3"};
}

} // namespace program_data
