#include "biorule/BirthData.h"

#include "biorule/BioState.h"
#include "runtime/ProgramFolder.h"
#include "runtime/TextFile.h"

#include <QDate>

namespace biorhythms {
namespace {

QString path(const char* name) {
    return runtime::programPath(QLatin1String(name));
}

// Where the folder takes no new file but the files may be written, they are rewritten in place,
// as the program has always written them.
constexpr auto kInPlace = runtime::WhereFolderRefuses::RewriteInPlace;

bool inRange(long long v, long long low, long long high) {
    return v >= low && v <= high;
}

// A real calendar date within the years the windows offer.
bool isBirthDate(const std::vector<long long>& d) {
    return inRange(d[2], kBioYears.first, kBioYears.last) &&
           QDate::isValid(static_cast<int>(d[2]), static_cast<int>(d[1]), static_cast<int>(d[0]));
}

} // namespace

void readBirthDate() {
    BioState& s = bioState();
    const auto numbers = runtime::readNumbers(path("bio.dat"), 3);
    if (numbers && isBirthDate(*numbers)) {
        s.diaNac = static_cast<int>((*numbers)[0]);
        s.mesNac = static_cast<int>((*numbers)[1]);
        s.anioNac = static_cast<int>((*numbers)[2]);
    } else {
        s.diaNac = 1;
        s.mesNac = 1;
        s.anioNac = kBioYears.first;
    }
}

void readBirthTime() {
    BioState& s = bioState();
    const auto numbers = runtime::readNumbers(path("horabio.dat"), 2);
    const bool valid = numbers && inRange((*numbers)[0], 0, 23) && inRange((*numbers)[1], 0, 59);
    s.horaNac = valid ? static_cast<int>((*numbers)[0]) : kDefaultBirthHour;
    s.minutoNac = valid ? static_cast<int>((*numbers)[1]) : 0;
}

void readCountdownDate() {
    BioState& s = bioState();
    const auto numbers = runtime::readNumbers(path("biofinal.dat"), 3);
    const bool today = numbers && (*numbers)[0] == 0 && (*numbers)[1] == 0 && (*numbers)[2] == 0;
    const bool valid = numbers && (today || isBirthDate(*numbers));
    s.diaFinal = valid ? static_cast<int>((*numbers)[0]) : 0;
    s.mesFinal = valid ? static_cast<int>((*numbers)[1]) : 0;
    s.anioFinal = valid ? static_cast<int>((*numbers)[2]) : 0;
}

bool writeBirthDate() {
    const BioState& s = bioState();
    return runtime::writeNumbers(path("bio.dat"), {s.diaNac, s.mesNac, s.anioNac}, kInPlace);
}

bool writeBirthTime() {
    const BioState& s = bioState();
    return runtime::writeNumbers(path("horabio.dat"), {s.horaNac, s.minutoNac}, kInPlace);
}

bool writeCountdownDate() {
    const BioState& s = bioState();
    return runtime::writeNumbers(path("biofinal.dat"), {s.diaFinal, s.mesFinal, s.anioFinal},
                                 kInPlace);
}

} // namespace biorhythms
