#include "biorule/BioRule.h"

#include "biorule/BioState.h"
#include "runtime/SystemFormats.h"

#include <cmath>

namespace biorhythms {
namespace {

constexpr int kMinutesPerHour = 60;
constexpr double kMinutesPerDay = 1440.0;

} // namespace

DayCount dayCount(runtime::DateValue birthDate, int birthHour, int birthMinute,
                  runtime::DateValue studyDate, runtime::DateValue clock) {
    DayCount count;
    count.diasVida = static_cast<runtime::Long>(runtime::daysBetween(birthDate, studyDate) - 1);
    count.minutosNacRest =
        static_cast<runtime::Integer>(kMinutesPerDay - (birthHour * kMinutesPerHour + birthMinute));
    count.diasBase =
        static_cast<runtime::Single>(count.diasVida + count.minutosNacRest / kMinutesPerDay);
    const runtime::DateParts now = runtime::splitDate(clock);
    count.diasVividos = static_cast<runtime::Single>(
        count.diasBase + (now.hour * kMinutesPerHour + now.minute) / kMinutesPerDay);
    return count;
}

CycleValues cycleValues(double t) {
    CycleValues values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<runtime::Single>(std::sin(kTwoPi * t / kPeriods[i]));
    }
    return values;
}

QString dayMonthYearText(int day, int month, int year) {
    return QStringLiteral("%1/%2/%3").arg(day).arg(month).arg(year);
}

std::optional<runtime::DateValue> dayMonthYearDate(const QString& text) {
    return runtime::dateFromText(text, runtime::DateOrder::DayFirst);
}

bool applyBioRule(const QString& fechaNacTxt, int birthHour, int birthMinute,
                  const QString& fechaEstudioTxt, runtime::DateValue clock) {
    const auto birth = dayMonthYearDate(fechaNacTxt);
    const auto study = dayMonthYearDate(fechaEstudioTxt);
    if (!birth || !study) {
        return false;
    }
    const DayCount count = dayCount(*birth, birthHour, birthMinute, *study, clock);
    const CycleValues now = cycleValues(count.diasVividos);
    const CycleValues later = cycleValues(count.diasVividos + kOneHour);

    BioState& s = bioState();
    s.fechaNacTxt = fechaNacTxt;
    s.fechaEstudioTxt = fechaEstudioTxt;
    s.diasVida = count.diasVida;
    s.minutosNacRest = count.minutosNacRest;
    s.diasBase = count.diasBase;
    s.diasVividos = count.diasVividos;
    s.bioFisico = now[kPhysical];
    s.bioEmocional = now[kEmotional];
    s.bioIntelectual = now[kIntellectual];
    s.bioIntuicion = now[kIntuitive];
    s.bioFisicoProx = later[kPhysical];
    s.bioEmocionalProx = later[kEmotional];
    s.bioIntelectualProx = later[kIntellectual];
    s.bioIntuicionProx = later[kIntuitive];
    return true;
}

} // namespace biorhythms
