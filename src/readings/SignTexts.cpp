#include "readings/SignTexts.h"

#include "runtime/ProgramFolder.h"
#include "runtime/TextFile.h"

#include <array>

namespace readings {
namespace {

constexpr std::array<const char*, 12> kSignTexts = {
    "aries.txt", "tauro.txt",    "geminis.txt",   "cancer.txt",      "leo.txt",     "virgo.txt",
    "libra.txt", "escorpio.txt", "sagitario.txt", "capricornio.txt", "acuario.txt", "piscis.txt"};

} // namespace

std::optional<QString> signText(runtime::Integer sign) {
    if (sign < 0 || sign >= static_cast<runtime::Integer>(kSignTexts.size())) {
        return std::nullopt;
    }
    const auto lines = runtime::readLines(
        runtime::programPath(QStringLiteral("\\sigtxt\\") + QLatin1String(kSignTexts[sign])));
    if (!lines) {
        return std::nullopt;
    }
    return lines->join(QLatin1Char('\n'));
}

} // namespace readings
