// The sign period files ("\fechas-db\aries.txt" ...) as the user may leave them: every line
// reads as two dates or as nothing, and whatever the files hold, the sign of a moment is found
// or left to the fixed table.

#include "FuzzSupport.h"

#include "runtime/Ansi.h"
#include "runtime/DateValue.h"
#include "runtime/SystemFormats.h"
#include "signs/SignPeriods.h"

#include <array>

namespace {

const std::array<QLocale, 3> kLocales = {QLocale(QLocale::English, QLocale::UnitedStates),
                                         QLocale(QLocale::Spanish, QLocale::Spain),
                                         QLocale(QLocale::Japanese, QLocale::Japan)};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    runtime::setLocale(kLocales[data[0] % kLocales.size()]);
    const QString file =
        fuzzing::writeProgramFile(QStringLiteral("fechas-db/aries.txt"), data + 1, size - 1);
    const QString text = runtime::fromAnsi(fuzzing::bytes(data + 1, size - 1));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const auto period = readings::parseSignPeriod(line, 0);
        if (!period) {
            continue;
        }
        readings::periodRangeText(*period);
        const auto change = readings::signChangeOn(*period, period->start);
        fuzzing::require(change && *change == period->start, "a period changes on its start");
        const auto found = readings::findSignPeriod(period->start);
        fuzzing::require(!found || (found->sign >= 0 && found->sign < readings::kSigns),
                         "a found period names a sign");
    }
    readings::findSignPeriod(runtime::makeDateTime({2016, 7, 24, 12, 0, 0}));
    return 0;
}
