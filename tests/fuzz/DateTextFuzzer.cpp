// Date texts as the runtime reads them from files and boxes: any text gives a date within the
// years the runtime knows, or nothing, and a date read shows in every pattern; the short date
// text of a date reads back as the same day.

#include "FuzzSupport.h"

#include "runtime/Ansi.h"
#include "runtime/DateValue.h"
#include "runtime/SystemFormats.h"

#include <array>

namespace {

const std::array<QLocale, 3> kLocales = {QLocale(QLocale::English, QLocale::UnitedStates),
                                         QLocale(QLocale::Spanish, QLocale::Spain),
                                         QLocale(QLocale::German, QLocale::Germany)};

void checkDate(runtime::DateValue date) {
    const runtime::DateParts parts = runtime::splitDate(date);
    fuzzing::require(parts.year >= 100 && parts.year <= 9999, "a year the runtime knows");
    runtime::formatDate(date, QStringLiteral("dddd, mmmm d, yyyy"));
    runtime::formatDate(date, QStringLiteral("ddd dd/mmm/yy"));
    runtime::generalDateText(date);
    const auto back = runtime::dateFromText(runtime::shortDateText(date));
    fuzzing::require(back && runtime::splitDate(*back).year == parts.year &&
                         runtime::splitDate(*back).month == parts.month &&
                         runtime::splitDate(*back).day == parts.day,
                     "the short date text reads back as its day");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    runtime::setLocale(kLocales[data[0] % kLocales.size()]);
    const QByteArray raw = fuzzing::bytes(data + 1, size - 1);
    for (const QString& text : {runtime::fromAnsi(raw), QString::fromUtf8(raw)}) {
        for (const auto order : {runtime::DateOrder::Locale, runtime::DateOrder::DayFirst}) {
            if (const auto date = runtime::dateFromText(text, order)) {
                checkDate(*date);
            }
        }
    }
    return 0;
}
