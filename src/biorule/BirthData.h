#pragma once

namespace biorhythms {

// The three birth data files of the program folder, one record of comma-separated integers
// ended by CR LF: "bio.dat" day,month,year; "horabio.dat" hour,minute; "biofinal.dat"
// day,month,year of the countdown. A file that is missing, unreadable or out of range reads as
// its default (birth date not set 1,1,1900; birth time 12:00; countdown 0,0,0 = today), so the
// program always starts.
constexpr int kDefaultBirthHour = 12;

// A span of years, both ends included.
struct YearRange {
    int first;
    int last;
    constexpr bool contains(int year) const { return year >= first && year <= last; }
};
// The years of the Biorhythms window's date bars and target-date picker: every birth, study and
// countdown date lies in them.
inline constexpr YearRange kBioYears{1900, 2100};

// Fill diaNac, mesNac, anioNac / horaNac, minutoNac / diaFinal, mesFinal, anioFinal.
void readBirthDate();
void readBirthTime();
void readCountdownDate();

// Write the whole record from the shared values; false when the file could not be written.
bool writeBirthDate();
bool writeBirthTime();
bool writeCountdownDate();

} // namespace biorhythms
