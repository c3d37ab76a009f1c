// Number texts as the windows read them (the Numbers box, the values shown and read back) and
// every double the program may format: a text is a number or not, the digit sum gives a card or
// none, and every double gets a text in each pattern, which reads back as that number.

#include "FuzzSupport.h"

#include "cards/CardRules.h"
#include "runtime/Ansi.h"
#include "runtime/Numeric.h"
#include "runtime/SystemFormats.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

const std::array<QLocale, 2> kLocales = {QLocale(QLocale::English, QLocale::UnitedStates),
                                         QLocale(QLocale::Spanish, QLocale::Spain)};
struct Pattern {
    QString text;
    double step; // its last digit
};
const std::array<Pattern, 4> kPatterns = {
    Pattern{QStringLiteral("0"), 1.0}, Pattern{QStringLiteral("0.00"), 0.01},
    Pattern{QStringLiteral("0.0000000"), 1e-7}, Pattern{QStringLiteral("###"), 1.0}};
// Below this, 15 significant digits never round past the largest double.
constexpr double kReadable = 1e300;

void checkFormats(double value) {
    const QString point = runtime::currentLocale().decimalPoint();
    const QRegularExpression shape(
        QStringLiteral("^-?[0-9]+(%1[0-9]+)?$").arg(QRegularExpression::escape(point)));
    for (const Pattern& pattern : kPatterns) {
        const QString text = runtime::formatNumber(value, pattern.text);
        if (!std::isfinite(value) ||
            (text.isEmpty() && pattern.text.startsWith(QLatin1Char('#')))) {
            continue;
        }
        fuzzing::require(shape.match(text).hasMatch(), "digits, a sign and the separator only");
        if (std::fabs(value) >= kReadable) {
            continue;
        }
        const auto back = runtime::numericValue(text);
        fuzzing::require(back.has_value(), "a formatted number reads back");
        fuzzing::require(std::fabs(*back - value) <=
                             std::max(pattern.step, std::fabs(value) * 1e-14),
                         "it reads back as the number, to its last digit");
    }
    runtime::toInteger(value);
    runtime::toLong(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    runtime::setLocale(kLocales[data[0] % kLocales.size()]);
    const QString text = runtime::fromAnsi(fuzzing::bytes(data + 1, size - 1));
    if (const auto value = runtime::numericValue(text)) {
        fuzzing::require(std::isfinite(*value), "a number read is finite");
        checkFormats(*value);
    }
    const auto sum = runtime::toInteger(readings::digitSum(text));
    if (sum) {
        const runtime::Integer card = readings::reduceMajorCard(*sum);
        fuzzing::require(*sum <= 0 || (card >= 1 && card <= readings::kMajorCards),
                         "a positive sum gives a card");
    }
    readings::cardOfDateText(text);
    if (size - 1 >= sizeof(double)) {
        double raw = 0.0;
        std::memcpy(&raw, data + 1, sizeof raw);
        checkFormats(raw);
    }
    return 0;
}
