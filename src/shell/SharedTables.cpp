#include "shell/SharedTables.h"

#include "biorule/BioState.h"
#include "platform/Sound.h"
#include "runtime/Numeric.h"
#include "runtime/ProgramFolder.h"
#include "runtime/SystemFormats.h"
#include "shell/ShellState.h"

#include <array>

namespace shell {
namespace {

constexpr std::array<const char*, 22> kTitles = {
    "I. The Magician",   "II. The High Priestess", "III. The Empress", "IV. The Emperor",
    "V. The Hierophant", "VI. The Lovers",         "VII. The Chariot", "VIII. Justice",
    "IX. The Hermit",    "X. Wheel of Fortune",    "XI. Strength",     "XII. The Hanged Man",
    "XIII. Death",       "XIV. Temperance",        "XV. The Devil",    "XVI. The Tower",
    "XVII. The Star",    "XVIII. The Moon",        "XIX. The Sun",     "XX. Judgment",
    "XXI. The Fool",     "XXII. The World"};

constexpr std::array<const char*, 12> kSignsEs = {"Aries",     "Tauro",       "Geminis", "Cancer",
                                                  "Leo",       "Virgo",       "Libra",   "Escorpio",
                                                  "Sagitario", "Capricornio", "Acuario", "Piscis"};

constexpr std::array<const char*, 12> kSignsEn = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                                  "Leo",         "Virgo",     "Libra",    "Scorpio",
                                                  "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

struct Band {
    double low;
    double high;
    bool lowIncluded;
    bool highIncluded;
    const char* text;
};

// The lower seven bands hold their lower edge, the upper three their upper edge.
constexpr std::array<Band, 10> kBands = {{
    {-100, -80, true, false, "(negative: dreadful day)"},
    {-80, -60, true, false, "(negative: super bad day)"},
    {-60, -40, true, false, "(negative: very bad day)"},
    {-40, -20, true, false, "(negative: bad day)"},
    {-20, 0, true, false, "(negative: regular or critical day)"},
    {0, 20, true, false, "(positive: regular or critical day)"},
    {20, 40, true, false, "(positive: good day)"},
    {40, 60, true, true, "(positive: very good day)"},
    {60, 80, false, true, "(positive: super good day)"},
    {80, 100, false, true, "(positive: excellent day)"},
}};

} // namespace

QString cardTitle(int card) {
    return card >= 1 && card <= 22 ? QString::fromLatin1(kTitles[card - 1]) : QString();
}

void tituloCarta() {
    ShellState& s = shellState();
    if (s.numCarta >= 1 && s.numCarta <= 22) {
        s.TitulosCartas[s.numCarta - 1] = cardTitle(s.numCarta);
    }
}

void cargarSignosEs() {
    for (std::size_t i = 0; i < kSignsEs.size(); ++i) {
        shellState().signosEs[i] = QString::fromLatin1(kSignsEs[i]);
    }
}

void cargarSignosEn() {
    for (std::size_t i = 0; i < kSignsEn.size(); ++i) {
        shellState().signosEn[i] = QString::fromLatin1(kSignsEn[i]);
    }
}

std::optional<QString> dayQualityBand(double v) {
    for (const Band& band : kBands) {
        const bool aboveLow = band.lowIncluded ? v >= band.low : v > band.low;
        const bool belowHigh = band.highIncluded ? v <= band.high : v < band.high;
        if (aboveLow && belowHigh) {
            return QString::fromLatin1(band.text);
        }
    }
    return std::nullopt;
}

void calidadBio() {
    biorhythms::BioState& b = biorhythms::bioState();
    // Summed in double precision, the stored average rounded to Single.
    const double sum =
        static_cast<double>(b.bioFisico) + b.bioEmocional + b.bioIntelectual + b.bioIntuicion;
    const auto average = static_cast<runtime::Single>(sum / 4.0 * 100.0);
    b.bioMedia = runtime::formatNumber(average, QStringLiteral("0.00"));
    if (const auto shown = runtime::numericValue(b.bioMedia)) {
        if (const auto band = dayQualityBand(*shown)) {
            b.bioMediaTexto = *band;
        }
    }
}

void tocarSonido(QString& fileName) {
    fileName = runtime::programPath(QLatin1Char('\\') + fileName);
    platform::sndPlaySound(fileName);
}

} // namespace shell
