// "bio.dat", "horabio.dat" and "biofinal.dat" as the user may leave them: whatever they hold,
// the values read lie in the ranges the windows offer, and they are written and read back
// unchanged.

#include "FuzzSupport.h"

#include "biorule/BioState.h"
#include "biorule/BirthData.h"

#include <QDate>

namespace {

bool isDate(int day, int month, int year) {
    return year >= 1900 && year <= 2100 && QDate::isValid(year, month, day);
}

struct Values {
    int diaNac, mesNac, anioNac, horaNac, minutoNac, diaFinal, mesFinal, anioFinal;
    bool operator==(const Values&) const = default;
};

Values readAll() {
    biorhythms::readBirthDate();
    biorhythms::readBirthTime();
    biorhythms::readCountdownDate();
    const biorhythms::BioState& s = biorhythms::bioState();
    return {s.diaNac,    s.mesNac,   s.anioNac,  s.horaNac,
            s.minutoNac, s.diaFinal, s.mesFinal, s.anioFinal};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const char* name : {"bio.dat", "horabio.dat", "biofinal.dat"}) {
        fuzzing::writeProgramFile(QString::fromLatin1(name), data, size);
    }
    const Values read = readAll();
    fuzzing::require(isDate(read.diaNac, read.mesNac, read.anioNac), "a birth date");
    fuzzing::require(read.horaNac >= 0 && read.horaNac <= 23, "an hour");
    fuzzing::require(read.minutoNac >= 0 && read.minutoNac <= 59, "a minute");
    const bool today = read.diaFinal == 0 && read.mesFinal == 0 && read.anioFinal == 0;
    fuzzing::require(today || isDate(read.diaFinal, read.mesFinal, read.anioFinal),
                     "a countdown date");

    fuzzing::require(biorhythms::writeBirthDate() && biorhythms::writeBirthTime() &&
                         biorhythms::writeCountdownDate(),
                     "the birth data files can be written");
    fuzzing::require(readAll() == read, "the birth data read back as written");
    return 0;
}
