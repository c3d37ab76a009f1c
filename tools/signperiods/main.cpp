// Writes the sign-period tables <folder>/aries.txt .. piscis.txt: every period that the Sun
// spends in a sign from December 1899 to January 2101, in universal time, lines ended by CR LF.

#include "signperiods/SignPeriodTable.h"

#include <erfa.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

// From before the Capricorn ingress of December 1899 to after the Aquarius ingress of
// January 2101, so that every moment of 1900..2100 lies in a period.
constexpr int kFirstYear = 1899;
constexpr int kLastYear = 2101;

double julianDay(int year, int month, int day) {
    double mjd0 = 0.0, mjd = 0.0;
    eraCal2jd(year, month, day, &mjd0, &mjd);
    return mjd0 + mjd;
}

// Written beside the target and renamed, so a stopped build never leaves half a table.
bool writeTable(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    const std::filesystem::path partial = path.string() + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) {
            out << line << "\r\n";
        }
        if (!out.flush()) {
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    return !error;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    const auto ingresses =
        signperiods::ingressesBetween(julianDay(kFirstYear, 12, 1), julianDay(kLastYear, 1, 31));
    const auto lines = signperiods::periodLines(ingresses);
    for (std::size_t sign = 0; sign < lines.size(); ++sign) {
        const auto path = folder / (std::string(signperiods::kFileStems[sign]) + ".txt");
        if (!writeTable(path, lines[sign])) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
