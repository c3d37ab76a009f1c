#include "signperiods/SignPeriodTable.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>

namespace signperiods {
namespace {

constexpr double kEpochJD = 2415020.5; // 1900 January 1, 0h
constexpr long long kSecondsPerDay = 86400;

} // namespace

const std::array<const char*, 12> kFileStems = {"aries",     "tauro",       "geminis", "cancer",
                                                "leo",       "virgo",       "libra",   "escorpio",
                                                "sagitario", "capricornio", "acuario", "piscis"};

std::string universalTimeText(double jdUT) {
    const long long seconds = std::llround((jdUT - kEpochJD) * ERFA_DAYSEC);
    long long days = seconds / kSecondsPerDay;
    long long secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    int year = 0, month = 0, day = 0;
    double fraction = 0.0;
    eraJd2cal(kEpochJD + static_cast<double>(days), 0.0, &year, &month, &day, &fraction);
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02lld:%02lld:%02lld", year, month, day,
                  secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
    return text;
}

std::array<std::vector<std::string>, 12> periodLines(const std::vector<Ingress>& ingresses) {
    std::array<std::vector<std::string>, 12> lines;
    for (std::size_t i = 0; i + 1 < ingresses.size(); ++i) {
        lines[ingresses[i].sign].push_back(universalTimeText(ingresses[i].jdUT) + " - " +
                                           universalTimeText(ingresses[i + 1].jdUT));
    }
    return lines;
}

} // namespace signperiods
