// The tray tooltip lines of the background window: card of the day, sign, biorhythms, moon.
#include "biorule/BioRule.h"
#include "biorule/BioState.h"
#include "biorule/BirthData.h"
#include "cards/CardRules.h"
#include "moon/MoonCalendar.h"
#include "moon/MoonCycle.h"
#include "moon/MoonPhase.h"
#include "moon/MoonState.h"
#include "runtime/Clock.h"
#include "runtime/SystemFormats.h"
#include "shell/FrmTimer.h"
#include "shell/SharedTables.h"
#include "shell/ShellState.h"
#include "signs/SignPeriods.h"
#include "signs/SignTable.h"

#include <QStringList>

#include <cmath>

namespace shell {
namespace {

const QString kChangesToday = QStringLiteral(" (<=>)");

QString moonLine(const QString& what) {
    return QStringLiteral("Moon Phase: ") + what;
}

QString illuminatedLine(const QString& percent, const char* mark) {
    return QStringLiteral("Moon Phase(illum.): ") + percent + QString::fromLatin1(mark);
}

} // namespace

runtime::Single FrmTimer::Porcentaje(double part, double whole) {
    if (part > whole) {
        return -1.0F;
    }
    if (part == 0) {
        return 0.0F;
    }
    return static_cast<runtime::Single>(part * 100 / whole);
}

runtime::Integer FrmTimer::sumcartdia(const QString& dateText) {
    ShellState& s = shellState();
    const double sum = readings::digitSum(dateText);
    s.numCarta = readings::cardOfDateText(dateText);
    tituloCarta();
    tituloTip = s.numCarta >= 1 ? s.TitulosCartas[s.numCarta - 1] : QString();
    return runtime::toInteger(sum).value_or(0);
}

void FrmTimer::tipcartadia() {
    const runtime::DateValue today = runtime::Today();
    if (today == fechaTipCarta) {
        return;
    }
    sumcartdia(runtime::shortDateText(today));
    fechaTipCarta = today;
    shellState().lineaCartaDia = QStringLiteral("Card of Day: ") + tituloTip;
}

void FrmTimer::signoZodSt(runtime::DateValue date) {
    signoTip = QString::fromLatin1(readings::signOfTable(date).name);
}

void FrmTimer::signoZod(runtime::DateValue localDateTime) {
    cargarSignosEs();
    cargarSignosEn();
    const auto period = readings::findSignPeriod(moon::LocalToUT(localDateTime));
    if (!period) {
        signoZodSt(runtime::Today());
        return;
    }
    signoTip = shellState().signosEn[period->sign];
    if (readings::signChangeOn(*period, runtime::Today())) {
        signoTip += kChangesToday;
    }
}

void FrmTimer::tipsignzodiac() {
    signoZod(runtime::Now());
    shellState().lineaSigno = QStringLiteral("Zodiac Sign: ") + signoTip;
}

void FrmTimer::biotip() {
    biorhythms::readBirthDate();
    biorhythms::BioState& b = biorhythms::bioState();
    if (!b.birthDateSet()) {
        return;
    }
    const runtime::DateValue today = runtime::Today();
    const QString birth = biorhythms::dayMonthYearText(b.diaNac, b.mesNac, b.anioNac);
    const QString study = biorhythms::dayMonthYearText(
        runtime::dayOf(today), runtime::monthOf(today), runtime::yearOf(today));
    if (!biorhythms::applyBioRule(birth, b.horaNac, b.minutoNac, study, runtime::Now())) {
        return;
    }
    const runtime::Single now =
        (b.bioFisico + b.bioEmocional + b.bioIntelectual + b.bioIntuicion) / 4;
    const runtime::Single later =
        (b.bioFisicoProx + b.bioEmocionalProx + b.bioIntelectualProx + b.bioIntuicionProx) / 4;
    const char* mark = later < now ? " % (<)" : later == now ? " % (=)" : " % (>)";
    shellState().lineaBio = QStringLiteral("Biorhythms (avg.): ") +
                            runtime::formatNumber(now * 100, QStringLiteral("0.00")).trimmed() +
                            QString::fromLatin1(mark);
}

QString FrmTimer::tooltipLines() {
    tipcartadia();
    tipsignzodiac();
    biotip();
    lunatip();
    const ShellState& s = shellState();
    return QStringList{s.lineaCartaDia, s.lineaSigno, s.lineaBio, s.lineaLuna}.join(
        QStringLiteral("\r\n"));
}

QString moonTipLine(double illumination, runtime::Single angle) {
    const double halfAngle = runtime::roundHalfEven(angle / 2.0);
    const QString percent =
        runtime::formatNumber(illumination * 100, QStringLiteral("0.00")) + QStringLiteral(" %");
    if (halfAngle < 90) {
        const QString f = runtime::formatNumber(illumination * 100, QStringLiteral("###"));
        return f.isEmpty()                 ? moonLine(QStringLiteral("NEW (=)"))
               : f == QLatin1String("100") ? moonLine(QStringLiteral("FULL (=)"))
                                           : illuminatedLine(percent, " (>)");
    }
    const runtime::Single p =
        FrmTimer::Porcentaje(runtime::roundHalfEven(100 - illumination * 100), 100);
    const QString f = runtime::formatNumber(p, QStringLiteral("###"));
    return f.isEmpty()                 ? moonLine(QStringLiteral("FULL (=)"))
           : f == QLatin1String("100") ? moonLine(QStringLiteral("NEW (=)"))
                                       : illuminatedLine(percent, " (<)");
}

void FrmTimer::lunatip() {
    const runtime::DateValue ut = moon::LocalToUT(runtime::Now());
    moon::MoonCycle(ut);
    shellState().lineaLuna = moonTipLine(moon::moonState().iluminacionLuna, moon::PhaseAngle(ut));
}

} // namespace shell
